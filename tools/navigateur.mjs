// The browser build's folder served on 127.0.0.1, and Debian's Chromium to
// open it headless (for the tests and the benchmark).
// Usage: node tools/navigateur.mjs FOLDER [PORT]   serves FOLDER (PORT 8000 unless given)
import { once } from 'node:events';
import { readdirSync, readFile, readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const sortes = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };

// Serves FOLDER's files and nothing above it; resolves once it listens.
export async function sers(dossier, port = 0) {
  const serveur = createServer((q, r) => {
    let chemin = '..';
    try {
      const demande = decodeURIComponent(new URL(q.url, 'http://l').pathname);
      chemin = normalize(demande).replace(/\/$/, '/index.html');
    } catch {}  // a malformed address is refused below
    if (chemin.includes('..')) return r.writeHead(403).end();
    readFile(join(dossier, chemin), (e, o) => e ? r.writeHead(404).end()
      : r.writeHead(200, { 'Content-Type': sortes[extname(chemin)] ?? 'application/octet-stream',
                           'Content-Length': o.length }).end(o));
  });
  await once(serveur.listen(port, '127.0.0.1'), 'listening');
  serveur.adresse = `http://127.0.0.1:${serveur.address().port}/`;
  return serveur;
}

// What each of FOLDER's files weighs as a host sends it, gzipped: [name, bytes].
export const poids = (dossier) => readdirSync(dossier).map((f) =>
  [f, gzipSync(readFileSync(join(dossier, f)), { level: 9 }).length]);

// Headless, with no network of its own: this machine has none to offer.
export async function lance() {
  const puppeteer = (await import('puppeteer-core')).default;  // only the tests need it
  return puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run',
           '--disable-component-update', '--disable-sync'] });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const serveur = await sers(process.argv[2], Number(process.argv[3] ?? 8000));
  console.log(`Serving ${process.argv[2]} at ${serveur.adresse} (Ctrl+C to stop)`);
}
