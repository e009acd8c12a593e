// Speed of the web edition in headless chromium: navigation to the page ready
// to calculate from a localhost server (median of RUNS visits), the
// size of all the page's files, and one calculation from the twelve texts
// through the page's core.
//   bash scripts/web.sh --build && npm ci --prefix tests/web && node bench/web.mjs [RUNS]
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { chromium } from '../tests/web/node_modules/playwright-core/index.mjs';

const site = new URL('../build/web/', import.meta.url).pathname;
const runs = Number(process.argv[2] ?? 10);
const types = { html: 'text/html', js: 'text/javascript', css: 'text/css', png: 'image/png' };
const server = createServer((request, response) => {
  const name = new URL(request.url, 'http://x').pathname.slice(1) || 'index.html';
  let body;
  try {
    body = readFileSync(site + name);
  } catch {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, { 'content-type': types[name.split('.').pop()] ?? 'application/octet-stream' })
    .end(body);
}).listen(0, '127.0.0.1');
await new Promise((resolve) => server.on('listening', resolve));
const url = `http://localhost:${server.address().port}/`;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
                                        args: process.getuid() === 0 ? ['--no-sandbox'] : [] });

// A first visit (a fresh profile for each) and a repeat visit (the same tab
// again, from the browser's cache).
async function readyTime(page) {
  await page.goto(url);
  await page.waitForFunction(() => 'ready' in document.documentElement.dataset);
  return page.evaluate(() => performance.getEntriesByName('flange-ready')[0].startTime);
}
const first = [];
const repeat = [];
const tab = await browser.newPage({ viewport: { width: 780, height: 541 } });
await readyTime(tab);
for (let i = 0; i < runs; ++i) {
  const context = await browser.newContext({ viewport: { width: 780, height: 541 } });
  first.push(await readyTime(await context.newPage()));
  await context.close();
  repeat.push(await readyTime(tab));
}
for (const [name, times] of [['first visit', first], ['repeat visit', repeat]]) {
  times.sort((a, b) => a - b);
  const median = (times[(runs - 1) >> 1] + times[runs >> 1]) / 2;
  console.log(`navigation to ready, ${name}: median ${median.toFixed(1)} ms (${times.map((t) => t.toFixed(0)).join(' ')})`);
}

const bytes = readdirSync(site).reduce((sum, name) => sum + statSync(site + name).size, 0);
console.log(`all files in build/web: ${bytes} bytes (${(bytes / 1024).toFixed(1)} KiB)`);

const page = await browser.newPage();
await page.goto(url);
await page.waitForFunction(() => 'ready' in document.documentElement.dataset);
const perCall = await page.evaluate(() => {
  const texts = ['220', '158', '110', '18', '8', '132', '115', '20', '3', '52', '12', '7.85'];
  const best = [];
  for (let round = 0; round < 5; ++round) {
    const calls = 200000;
    const start = performance.now();
    for (let i = 0; i < calls; ++i) flangeCalculator.calculate(texts);
    best.push((performance.now() - start) / calls * 1e6);
  }
  return Math.min(...best);
});
console.log(`one calculation from the twelve texts: ${perCall.toFixed(0)} ns (best of 5 rounds of 200000)`);
await browser.close();
server.close();
