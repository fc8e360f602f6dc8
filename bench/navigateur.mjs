// Weighs the game's page, gzipped as a host would send it, then opens the
// benchmark's page in headless Chromium at two canvas sizes and prints what it
// measured: frame work and whole-run time, the game against a bare loop.
// Usage: node bench/navigateur.mjs BENCHFOLDER SITE
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

import { lance, sers } from '../tools/navigateur.mjs';

const poids = readdirSync(process.argv[3]).map((f) =>
  [f, gzipSync(readFileSync(join(process.argv[3], f)), { level: 9 }).length / 1024]);
console.log(`download, gzipped: ${poids.map(([f, k]) => `${f} ${k.toFixed(1)} KB`).join(', ')}; ` +
            `all ${poids.reduce((a, [, k]) => a + k, 0).toFixed(1)} KB`);

const serveur = await sers(process.argv[2]);
const chromium = await lance();
let pire = 0;
for (const [largeur, hauteur] of [[800, 600], [1920, 1080]]) {
  const page = await chromium.newPage();
  await page.setViewport({ width: largeur, height: hauteur + 40 });  // the title bar is 40 px
  page.on('console', (m) => {
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
