// Writes the page as one file: the stylesheet and the scripts that
// index.html names are put inside it, and the core's WebAssembly inside the
// core's script as base64 text (`flangeCoreWasm`). One request then brings
// everything the page needs to calculate, and a page opened from disk, which
// may not fetch a .wasm file, still runs it.
//   node build_page.mjs WEB_SOURCE_DIR CORE_JS CORE_WASM OUTPUT_HTML
import { readFileSync, writeFileSync } from 'node:fs';

const [source, coreScript, coreWasm, output] = process.argv.slice(2);
const text = (path) => readFileSync(path, 'utf8');
// The text that goes in for a file the page names: the core's script with its
// WebAssembly, or the file from the web folder.
const inline = (name) => {
  const content = name === 'flange_core.js'
    ? `var flangeCoreWasm = "${readFileSync(coreWasm).toString('base64')}";\n${text(coreScript)}`
    : text(`${source}/${name}`);
  if (/<\/(script|style)/i.test(content)) throw new Error(`${name} would end its own element`);
  return content;
};
const page = text(`${source}/index.html`)
  .replace(/<link rel="stylesheet" href="([^"]+)">/g, (_, name) => `<style>\n${inline(name)}</style>`)
  .replace(/<script src="([^"]+)"><\/script>/g, (_, name) => `<script>\n${inline(name)}</script>`);
writeFileSync(output, page);
