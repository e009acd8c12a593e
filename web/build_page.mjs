// Writes the page as one file: the stylesheet and the scripts that
// index.html names are put inside it, and the core's WebAssembly inside the
// core's script as base64 text (`flangeCoreWasm`). One request then brings
// everything the page needs to calculate, and a page opened from disk, which
// may not fetch a .wasm file, still runs it.
//   node build_page.mjs WEB_SOURCE_DIR CORE_JS CORE_WASM OUTPUT_HTML
import { readFileSync, writeFileSync } from 'node:fs';

const [source, coreScript, coreWasm, output] = process.argv.slice(2);
const text = (path) => readFileSync(path, 'utf8');
const files = {
  'style.css': text(`${source}/style.css`),
  'app.js': text(`${source}/app.js`),
  'flange_core.js': `var flangeCoreWasm = "${readFileSync(coreWasm).toString('base64')}";\n` +
                    text(coreScript),
};
for (const [name, content] of Object.entries(files)) {
  if (/<\/(script|style)/i.test(content)) throw new Error(`${name} would end its own element`);
}
const inline = (name) => {
  if (!(name in files)) throw new Error(`index.html names ${name}, which is not put inside the page`);
  return files[name];
};
const page = text(`${source}/index.html`)
  .replace(/<link rel="stylesheet" href="([^"]+)">/g, (_, name) => `<style>\n${inline(name)}</style>`)
  .replace(/<script src="([^"]+)"><\/script>/g, (_, name) => `<script>\n${inline(name)}</script>`);
writeFileSync(output, page);
