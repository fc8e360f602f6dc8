// The browser build in Debian's Chromium, headless: the welcome screen equals
// the native one, the mouse and a finger's drag move the tank, the page in full
// screen and resized is followed, a key shows the end screen; a first
// visit's bytes, a run with no input to its end, then the app: installable,
// offline, updated by a new build (docs/essais.md tells each).
// Usage: node navigateur.mjs SITE PHOTOGRAPHE [PICTURE]   (from the repository's root)
// PICTURE: where to keep a picture of the page in play.
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { comptepresents, lance, sers } from '../tools/navigateur.mjs';

const [site, photographe, photo] = process.argv.slice(2);
const echecs = [];
const verifie = (vrai, quoi) => vrai || echecs.push(quoi);
let serveur = await sers(site, 0, 'type');  // as most hosts serve it

// The native welcome screen, from a headless run of the game.
const dossier = mkdtempSync(join(tmpdir(), 'navigateur-'));
execFileSync(photographe, [dossier], { stdio: 'ignore' });
const url = (f, type) => `data:${type};base64,${readFileSync(f).toString('base64')}`;
const images = { accueil: url(join(dossier, 'accueil.png'), 'image/png') };
for (const n of ['char', 'theend', 'blocatari', 'blosinclair', 'bloamiga', 'bloric', 'lumor', 'bombe'])
  images[n] = url(`data/${n}.bmp`, 'image/bmp');

const chromium = await lance();
const seule = await chromium.newPage();
await seule.evaluateOnNewDocument(comptepresents);
await seule.goto(serveur.adresse);
// A first visit's bytes on the wire, the offline cache filled, from a host
// that compresses by type: the pictures travel as they are.
await seule.waitForFunction(() => window.presents > 0 && navigator.serviceWorker.ready,
  { polling: 50, timeout: 90000 }).catch(() => echecs.push('first visit: no picture, no worker'));
verifie(serveur.octets() <= 175 * 1024, `a first visit took ${serveur.octets()} bytes, over 175 KB`);
const page = await chromium.newPage();
await page.evaluateOnNewDocument(comptepresents);
page.on('pageerror', (e) => echecs.push(`page error: ${e.message}`));
// 800 x 600 on 1600 x 1200 pixels
await page.setViewport({ width: 800, height: 640, hasTouch: true, deviceScaleFactor: 2 });
await page.evaluateOnNewDocument((images) => {
  const lues = {};
  for (const [n, u] of Object.entries(images)) {
    const i = new Image();
    i.src = u;
    i.decode().then(() => {
      const c = new OffscreenCanvas(i.width, i.height).getContext('2d');
      c.drawImage(i, 0, 0);
      lues[n] = c.getImageData(0, 0, i.width, i.height);
    });
  }
  const canvas = () => document.getElementById('canvas');
  // Pixels of picture n, sampled at the middle of each of its pixels as stretched
  // onto rect r, that the canvas shows otherwise (or not black, for a notched block).
  window.ecarts = (n, r, noirpermis) => {
    const c = canvas(), l = lues[n], W = c.width;
    if (!l) return -1;
    const vu = c.getContext('2d').getImageData(0, 0, W, c.height).data;
    let faux = 0;
    for (let v = 0; v < l.height; ++v)
      for (let u = 0; u < l.width; ++u) {
        const p = 4 * ((r.y + Math.floor((2 * v + 1) * r.h / (2 * l.height))) * W +
                       r.x + Math.floor((2 * u + 1) * r.w / (2 * l.width)));
        const q = 4 * (v * l.width + u), ecart = [0, 1, 2].some((k) => vu[p + k] !== l.data[q + k]);
        faux += ecart && !(noirpermis && vu[p] + vu[p + 1] + vu[p + 2] === 0);
      }
    return faux;
  };
  window.blocs = (W, H) => canvas().width === W &&
    ['blocatari', 'blosinclair', 'bloamiga', 'bloric'].every((n, k) => ecarts(n, {
      x: Math.floor((k + 1) * W / 5) - Math.floor(W / 20), y: Math.floor(3 * H / 4),
      w: Math.floor(W / 10), h: Math.floor(H / 12) }, true) === 0);
  window.noir = (r) => canvas().getContext('2d').getImageData(r.x, r.y, r.w, r.h).data
    .every((o, i) => i % 4 === 3 || o === 0);
  window.fin = () => ecarts('theend', { x: 0, y: 0, w: 1000, h: 700 }) === 0;
  // A finger's drag as a phone sends it, all at once: down at xs[0], moved through xs,
  // up; window.tard counts the presents until the tank stands at `ou`.
  window.glisse = (xs, ou) => {
    const c = canvas(), r = c.getBoundingClientRect();
    for (const [type, x] of [['touchstart', xs[0]], ...xs.map((x) => ['touchmove', x]), ['touchend', xs.at(-1)]]) {
      const t = new Touch({ identifier: 1, target: c, clientX: r.left + x, clientY: r.top + 560 });
      const sur = type === 'touchend' ? [] : [t];
      c.dispatchEvent(new TouchEvent(type, { touches: sur, targetTouches: sur, changedTouches: [t], bubbles: true }));
    }
    const leve = window.presents;
    window.apres = () => ecarts('char', ou) === 0 && (window.tard = window.presents - leve, window.apres = null);
  };
  // Pixels of a PNG in none of the pictures' colours: blends, where a screen's scale blurred them.
  window.etrangers = async (png) => {
    const i = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
    const c = new OffscreenCanvas(i.width, i.height).getContext('2d');
    c.drawImage(i, 0, 0);
    const rgb = (d) => Array.from({ length: d.length / 4 },
      (_, k) => d[4 * k] << 16 | d[4 * k + 1] << 8 | d[4 * k + 2]);
    const palette = new Set(Object.values(lues).flatMap((l) => rgb(l.data)));
    return [i.width, rgb(c.getImageData(0, 0, i.width, i.height).data).filter((p) => !palette.has(p)).length];
  };
}, images);
await page.goto(serveur.adresse);


// Each state is awaited by polling the canvas.
const attends = (quoi, f, p = page) =>
  p.waitForFunction(f, { polling: 50, timeout: 90000 }).catch(() => echecs.push(quoi));
await attends('welcome screen as native', () => ecarts('accueil', { x: 0, y: 0, w: 800, h: 600 }) === 0);
const toile = await (await page.$('canvas')).screenshot({ encoding: 'base64' });
const [large, floues] = await page.evaluate((png) => etrangers(png), toile);
verifie(large === 1600 && floues === 0, `ratio 2: ${floues} blended pixels in a canvas shown ${large} pixels wide`);
await page.mouse.move(100, 600);
await attends('tank under the mouse', () => ecarts('char', { x: 100, y: 525, w: 80, h: 50 }) === 0);
await page.mouse.move(500, 600);
await attends('tank moved, its old place black', () =>
  ecarts('char', { x: 500, y: 525, w: 80, h: 50 }) === 0 && noir({ x: 100, y: 525, w: 80, h: 50 }));
await page.screenshot({ path: photo ?? join(dossier, 'page.png') });
await page.evaluate(() => glisse(Array.from({ length: 200 }, (_, i) => 100 + 3 * i), { x: 697, y: 525, w: 80, h: 50 }));
await attends('tank under the finger', () => window.tard !== undefined && noir({ x: 500, y: 525, w: 80, h: 50 }));
const tard = await page.evaluate(() => window.tard);
verifie(tard <= 4, `the tank under the finger ${tard} presents after it lifted`);
await page.setViewport({ width: 1000, height: 740, hasTouch: true, deviceScaleFactor: 2 });
await attends('block row at 1000 x 700', () => blocs(1000, 700));
await page.click('#plein');
await attends('the canvas in full screen, followed',
  () => document.fullscreenElement?.id === 'jeu' && blocs(1000, 740));
await page.evaluate(() => document.exitFullscreen());
await attends('out of full screen', () => blocs(1000, 700));
await page.keyboard.press('KeyA');
await attends('end screen at 1000 x 700', () => fin());
await attends('status 0 reaches the page', () => window.statut === 0);
verifie(await page.evaluate(() => fin() && !document.getElementById('encore').hidden), 'end screen kept, play again');
await attends('run with no input: status 0 after 1,528 presents',
  () => window.statut === 0 && presents === 1528, seule);

// The app: installable, its manifest's icons there; the worker keeps it all.
await page.setViewport({ width: 800, height: 640 });
await page.reload();
const { installabilityErrors: erreurs } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
verifie(!erreurs.length, `not installable: ${JSON.stringify(erreurs)}`);
verifie(await page.evaluate(async () => {
  const { icons } = await (await fetch('lumor5.webmanifest')).json();
  await navigator.serviceWorker.ready;
  return (await Promise.all(icons.map(async ({ src, sizes }) => {
    const i = await createImageBitmap(await (await fetch(src)).blob());
    return `${i.width}x${i.height}` === sizes;
  }))).every(Boolean) && icons.length === 3;
}), 'manifest and icons');
const port = new URL(serveur.adresse).port;
const joue = async (quoi, accueil) => {
  await attends(`${quoi}: welcome screen`, accueil);
  await page.keyboard.press('KeyA');
  await attends(`${quoi}: status 0`, () => window.statut === 0);
};
serveur.close(), serveur.closeAllConnections();
await page.reload();
await joue('offline', () => ecarts('accueil', { x: 0, y: 0, w: 800, h: 600 }) === 0);

// A new build at the same address: in the pictures inside the program, the
// welcome screen's bottom row begins with a white run instead of a black one
// (its first run-length code, found in the program); the worker's cache named anew.
const nouveau = join(dossier, 'nouveau');
cpSync(site, nouveau, { recursive: true });
const programme = readFileSync(join(site, 'lumor5.wasm')), accueil = readFileSync('data/accueil.bmp');
const rangee = accueil.readUInt32LE(10);
programme[programme.indexOf(accueil.subarray(rangee, rangee + 16)) + 1] = 0x11;  // white, twice a byte
writeFileSync(join(nouveau, 'lumor5.wasm'), programme);
execFileSync('cmake', [`-DSITE=${nouveau}`, '-DMODELE=web/horsligne.js', '-P', 'web/horsligne.cmake']);
const cache = readFileSync(join(nouveau, 'horsligne.js'), 'utf8').match(/prefixe \+ '(\w+)'/)[1];
serveur = await sers(nouveau, port);
await page.reload();  // the first visit since: the old build, the new one's worker waiting
await joue('first visit after the new build', () => ecarts('accueil', { x: 0, y: 0, w: 800, h: 600 }) === 0);
await attends('the new worker waiting', async () => !!(await navigator.serviceWorker.getRegistration()).waiting);
await page.reload();  // the second: the new build
await joue('second visit after the new build', () => {
  const p = document.getElementById('canvas').getContext('2d').getImageData(0, 599, 1, 1).data;
  return p[0] === 255 && p[1] === 255 && p[2] === 255;
});
verifie(await page.evaluate((c) => caches.keys().then((n) => n.length === 1 && n[0].endsWith(c)), ` ${cache}`),
  'the old cache kept');

await chromium.close();
serveur.close();
rmSync(dossier, { recursive: true });
for (const e of echecs) console.error(`navigateur: ${e}`);
process.exit(echecs.length ? 1 : 0);
