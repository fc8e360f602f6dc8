// Shrinks the program's JavaScript, which Debian's emscripten (without the
// closure compiler) only strips of blanks: terser, from Debian's node-terser,
// folds the code and renames the names local to lumor5(), the one it exports.
// Usage: NODE_PATH=/usr/share/nodejs node web/compacte.mjs lumor5.js
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const { minify } = createRequire(import.meta.url)('terser');
const fichier = process.argv[2];
const { code } = await minify(readFileSync(fichier, 'utf8'), { compress: true, mangle: true });
writeFileSync(fichier, code);
