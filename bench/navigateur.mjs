// Weighs the game's page, gzipped as a host would send it; times the welcome
// screen's first present after a first visit and after a repeat visit offline,
// from the service worker's cache; then opens the benchmark's page in headless
// Chromium at two canvas sizes and prints what it measured: frame work and
// whole-run time, the game against a bare loop.
// Usage: node bench/navigateur.mjs BENCHFOLDER SITE
import { lance, poids, sers } from '../tools/navigateur.mjs';

const fichiers = poids(process.argv[3]);
const ko = (o) => `${(o / 1024).toFixed(1)} KB`;
console.log(`download, gzipped: ${fichiers.map(([f, o]) => `${f} ${ko(o)}`).join(', ')}; ` +
            `all ${ko(fichiers.reduce((a, [, o]) => a + o, 0))}`);

const chromium = await lance();
// From navigation to the first present (the welcome screen), in a fresh profile:
// the first visit, fetching everything; then, the host stopped, a repeat visit.
const visite = async (contexte, adresse) => {
  const page = await contexte.newPage();
  await page.evaluateOnNewDocument(() => {
    const pose = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...a) {
      window.premier ??= performance.now();
      return pose.apply(this, a);
    };
  });
  await page.goto(adresse);
  const ms = await (await page.waitForFunction(() => window.premier)).jsonValue();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.close();
  return ms;
};
const premieres = [], repetees = [];
for (let n = 0; n < 7; ++n) {
  const contexte = await chromium.createBrowserContext(), hote = await sers(process.argv[3]);
  premieres.push(await visite(contexte, hote.adresse));
  hote.close();
  hote.closeAllConnections();
  repetees.push(await visite(contexte, hote.adresse));
  await contexte.close();
}
const mediane = (t) => t.sort((a, b) => a - b)[t.length >> 1].toFixed(0);
console.log(`welcome screen shown, median of 7: first visit ${mediane(premieres)} ms ` +
            `(${premieres.map((t) => t.toFixed(0)).join(', ')}), repeat visit offline ` +
            `${mediane(repetees)} ms (${repetees.map((t) => t.toFixed(0)).join(', ')})`);

const serveur = await sers(process.argv[2]);
let pire = 0;
for (const [largeur, hauteur] of [[800, 600], [1920, 1080]]) {
  const page = await chromium.newPage();
  await page.setViewport({ width: largeur, height: hauteur + 40 });  // the title bar is 40 px
  page.on('console', (m) => {
    // What the game prints; not the missing app files, which only the site has.
    if (m.text().match(/webmanifest|404/)) return;
    console.log(`  ${m.text()}`);
    pire = Math.max(pire, Number(m.text().match(/^frame work.*ratio ([\d.]+)/)?.[1] ?? 0));
  });
  await page.goto(serveur.adresse);
  await page.waitForFunction(() => window.statut !== undefined, { polling: 500, timeout: 300000 });
  console.log(`  status ${await page.evaluate(() => window.statut)} reached the page`);
  await page.close();
}
await chromium.close();
serveur.close();
console.log(`browser: worst frame-work ratio ${pire.toFixed(2)} (game against the bare loop)`);
