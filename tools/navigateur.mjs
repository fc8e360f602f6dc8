// The browser build's folder served on 127.0.0.1, and Debian's Chromium to
// open it headless (for the tests and the benchmark).
// Usage: node tools/navigateur.mjs FOLDER [PORT [tout|type|rien]]
//   serves FOLDER (PORT 8000 unless given), gzipping as a host would (rien: nothing)
import { once } from 'node:events';
import { createHash } from 'node:crypto';
import { readdirSync, readFile, readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const sortes = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
// What a static host compresses: 'tout', every file; 'type', text, JavaScript,
// manifests and wasm, as most hosts and CDNs do, the rest (the icons, and
// anything sent as application/octet-stream) as it is; 'rien', nothing.
const compresse = { tout: () => true, rien: () => false,
  type: (sorte) => /^text\/|javascript|json|wasm/.test(sorte) };

// Serves FOLDER's files and nothing above it, with the validators real hosts
// send (ETag, Last-Modified: a second fetch of a file is answered 304) and
// gzipped as COMPRESSION says; resolves once it listens. octets() tells how
// many bytes it has sent so far, headers included.
export async function sers(dossier, port = 0, compression = 'rien') {
  const prises = new Set();
  const serveur = createServer((q, r) => {
    let chemin = '..';
    try {
      const demande = decodeURIComponent(new URL(q.url, 'http://l').pathname);
      chemin = normalize(demande).replace(/\/$/, '/index.html');
    } catch {}  // a malformed address is refused below
    if (chemin.includes('..')) return r.writeHead(403).end();
    readFile(join(dossier, chemin), (e, o) => {
      if (e) return r.writeHead(404).end();
      const sorte = sortes[extname(chemin)] ?? 'application/octet-stream';
      const gz = compresse[compression](sorte) && /\bgzip\b/.test(q.headers['accept-encoding'] ?? '');
      const etiquette = `"${createHash('sha1').update(o).digest('hex').slice(0, 16)}${gz ? '-gz' : ''}"`;
      const entete = { 'Content-Type': sorte, ETag: etiquette, Vary: 'Accept-Encoding',
        'Last-Modified': statSync(join(dossier, chemin)).mtime.toUTCString() };
      if (q.headers['if-none-match'] === etiquette) return r.writeHead(304, entete).end();
      const corps = gz ? gzipSync(o, { level: 9 }) : o;
      if (gz) entete['Content-Encoding'] = 'gzip';
      r.writeHead(200, { ...entete, 'Content-Length': corps.length }).end(corps);
    });
  });
  serveur.on('connection', (p) => prises.add(p));
  serveur.octets = () => [...prises].reduce((a, p) => a + p.bytesWritten, 0);
  await once(serveur.listen(port, '127.0.0.1'), 'listening');
  serveur.adresse = `http://127.0.0.1:${serveur.address().port}/`;
  return serveur;
}

// What each of FOLDER's files weighs as a host sends it, gzipped: [name, bytes].
export const poids = (dossier) => readdirSync(dossier).map((f) =>
  [f, gzipSync(readFileSync(join(dossier, f)), { level: 9 }).length]);

// Run in a page before its scripts: SDL puts the picture on the canvas once a
// present (1,524 frames and 4 screens a run), so each is counted in
// window.presents, the first one's time kept in window.premier, and
// window.apres() called after each where the page set it.
export const comptepresents = () => {
  const pose = CanvasRenderingContext2D.prototype.putImageData;
  window.presents = 0;
  CanvasRenderingContext2D.prototype.putImageData = function (...a) {
    window.premier ??= performance.now();
    ++window.presents;
    pose.apply(this, a);
    window.apres?.();
  };
};

// Headless, with no network of its own: this machine has none to offer.
export async function lance() {
  const puppeteer = (await import('puppeteer-core')).default;  // only the tests need it
  return puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run',
           '--disable-component-update', '--disable-sync'] });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const serveur = await sers(process.argv[2], Number(process.argv[3] ?? 8000), process.argv[4]);
  console.log(`Serving ${process.argv[2]} at ${serveur.adresse} (Ctrl+C to stop)`);
}
