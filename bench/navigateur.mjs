// Weighs the game's page, gzipped as a host would send it; times the welcome
// screen's first present after a first visit and after a repeat visit offline,
// from the service worker's cache, then after a first visit over Slow 4G from
// three kinds of host; then opens the benchmark's page in headless
// Chromium at two canvas sizes and prints what it measured: frame work and
// whole-run time, the game against a bare loop.
// Usage: node bench/navigateur.mjs BENCHFOLDER SITE
import { comptepresents, lance, poids, sers } from '../tools/navigateur.mjs';

const fichiers = poids(process.argv[3]);
const ko = (o) => `${(o / 1024).toFixed(1)} KB`;
console.log(`download, gzipped: ${fichiers.map(([f, o]) => `${f} ${ko(o)}`).join(', ')}; ` +
            `all ${ko(fichiers.reduce((a, [, o]) => a + o, 0))}`);

const chromium = await lance();
// From navigation to the first present (the welcome screen), in a fresh profile:
// the first visit, fetching everything; then, the host stopped, a repeat visit.
const visite = async (contexte, adresse, lente = false) => {
  const page = await contexte.newPage();
  if (lente)  // Slow 4G: 1.6 Mbps down, 750 kbps up, 150 ms round trip
    await (await page.createCDPSession()).send('Network.emulateNetworkConditions',
      { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 });
  await page.evaluateOnNewDocument(comptepresents);
  await page.goto(adresse);
  const ms = await (await page.waitForFunction(() => window.premier)).jsonValue();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.close();
  return ms;
};
const mediane = (t) => t.sort((a, b) => a - b)[t.length >> 1].toFixed(0);
const premieres = [], repetees = [];
for (let n = 0; n < 7; ++n) {
  const contexte = await chromium.createBrowserContext(), hote = await sers(process.argv[3]);
  premieres.push(await visite(contexte, hote.adresse));
  hote.close();
  hote.closeAllConnections();
  repetees.push(await visite(contexte, hote.adresse));
  await contexte.close();
}
console.log(`welcome screen shown, median of 7: first visit ${mediane(premieres)} ms ` +
            `(${premieres.map((t) => t.toFixed(0)).join(', ')}), repeat visit offline ` +
            `${mediane(repetees)} ms (${repetees.map((t) => t.toFixed(0)).join(', ')})`);

// A first visit over Slow 4G from each kind of host, which sends validators as
// real hosts do: the time to the welcome screen, and the bytes sent with the
// offline cache filled.
for (const [sorte, quoi] of [['tout', 'gzips every file'], ['type', 'gzips by type'],
                             ['rien', 'compresses nothing']]) {
  const temps = [], octets = [];
  for (let n = 0; n < 3; ++n) {
    const contexte = await chromium.createBrowserContext(), hote = await sers(process.argv[3], 0, sorte);
    temps.push(await visite(contexte, hote.adresse, true));
    octets.push(hote.octets());
    hote.close();
    hote.closeAllConnections();
    await contexte.close();
  }
  console.log(`Slow 4G, first visit from a host that ${quoi}: ${ko(mediane(octets))} sent, ` +
              `welcome screen at ${mediane(temps)} ms (median of 3: ${temps.map((t) => t.toFixed(0)).join(', ')})`);
}

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
