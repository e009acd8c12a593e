// The web edition in Debian's chromium, driven with real key presses and
// mouse clicks: the worked flange, the window's behaviour, bad input, the
// layout against the window's twips, the drawing at three zooms, offline
// reload, a phone-wide screen, file://, and the same texts as flange-calc.
// Run by scripts/web.sh --test (node --test).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { createServer } from 'node:http';
import { after, before, test } from 'node:test';
import { chromium } from 'playwright-core';

const top = new URL('../../', import.meta.url).pathname;
const site = top + 'build/web/';
const worked = ['220', '158', '110', '18', '8', '132', '115', '20', '3', '52', '12', '7.85'];
let server, browser, origin;

before(async () => {
  const types = { html: 'text/html', js: 'text/javascript', css: 'text/css', png: 'image/png',
                  webmanifest: 'application/manifest+json' };
  server = createServer((request, response) => {
    const name = new URL(request.url, 'http://x').pathname.slice(1) || 'index.html';
    try {
      const body = readFileSync(site + name);
      response.writeHead(200, { 'content-type': types[name.split('.').pop()] }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  }).listen(0, '127.0.0.1');
  await new Promise((resolve) => server.on('listening', resolve));
  origin = `http://localhost:${server.address().port}/`;
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
                                    args: process.getuid() === 0 ? ['--no-sandbox'] : [] });
});
after(async () => { await browser.close(); server.close(); });

async function open(options = {}, url = origin, initScript = () => {}) {
  const context = await browser.newContext({ viewport: { width: 780, height: 541 }, ...options });
  await context.addInitScript(initScript);
  const page = await context.newPage();
  page.on('pageerror', (error) => assert.fail(error.message));
  await page.goto(url);
  await page.waitForFunction(() => 'ready' in document.documentElement.dataset);
  return page;
}
const value = (page, index) => page.inputValue(`#txtIn${index}`);
const results = async (page) => [await value(page, 13), await value(page, 14)];
const focused = (page) => page.evaluate(() => document.activeElement.id);
const selection = (page) => page.evaluate(() => {
  const e = document.activeElement;
  return [e.id, e.selectionStart, e.selectionEnd];
});

test('the worked flange typed with Enter, and each behaviour of the window', async () => {
  const page = await open();
  assert.equal(await focused(page), 'txtIn1');
  for (const text of worked.slice(0, 11)) {
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
  }
  assert.equal(await focused(page), 'CombText');  // the list sits between fields 11 and 12
  await page.keyboard.press('ArrowDown');  // chooses 碳钢或低合金钢
  assert.equal(await value(page, 12), '7.85');
  await page.keyboard.press('Enter');
  assert.equal(await focused(page), 'txtIn12');
  await page.keyboard.press('Enter');  // from the density back to the first field, selected
  assert.deepEqual(await selection(page), ['txtIn1', 0, 3]);
  await page.click('#Command8');
  assert.deepEqual(await results(page), ['604.75', '4.75']);

  // Typing in a result field blanks nothing.
  await page.click('#txtIn13');
  await page.keyboard.type('9');
  assert.deepEqual(await results(page), ['9', '4.75']);

  // Arriving by mouse selects the text up to its trailing blanks; any input
  // change blanks both results.
  await page.click('#txtIn5');
  assert.deepEqual(await selection(page), ['txtIn5', 0, 1]);
  await page.keyboard.type(' 12.5  ');
  assert.deepEqual(await results(page), ['', '']);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Shift+Tab');
  assert.deepEqual(await selection(page), ['txtIn5', 0, 5]);

  // Typing in the list blanks the results but neither chooses nor touches
  // the density; choosing 不锈钢 with the mouse writes 7.93.
  await page.click('#Command8');
  await page.click('#CombText');
  await page.keyboard.type('不锈钢');
  assert.deepEqual([...(await results(page)), await value(page, 12)], ['', '', '7.85']);
  await page.click('#CombButton');
  await page.click('#CombList li:nth-child(2)');
  assert.equal(await value(page, 12), '7.93');
  await page.click('#Command8');
  await page.click('#CombText');
  await page.keyboard.press('ArrowUp');  // in the list: back to 碳钢或低合金钢
  assert.deepEqual([...(await results(page)), await value(page, 12)], ['', '', '7.85']);
  await page.context().close();
});

test('bad input gives what the desktop gives, and a 5 MB paste leaves the page working', async () => {
  const page = await open();
  for (const [i, text] of worked.entries()) await page.fill(`#txtIn${i + 1}`, text);
  for (const [index, text, shown] of [[1, '1E400', '溢出'], [1, '２２０', '604.75'], [1, '220mm', '604.75'],
    [12, '', '604.75\t0.0']]) {
    await page.fill(`#txtIn${index}`, '');
    await page.click(`#txtIn${index}`);
    await page.keyboard.insertText(text);
    await page.click('#Command8');
    assert.equal((await results(page)).join('\t').slice(0, shown.length), shown, text);
  }
  await page.click('#txtIn2');
  await page.keyboard.insertText('7'.repeat(5 << 20));
  await page.click('#Command8');
  assert.equal(await value(page, 13), '溢出');
  await page.context().close();
});

test('layout: the window\'s twips at 15 to a pixel, fonts, colours and tab order', async () => {
  const page = await open();
  // [control, container's left and top, control's left, top, width, height], twips.
  const places = [['#Picture2', 0, 0, 210, 315, 5565, 6365], ['#Frame1', 0, 0, 5790, 210, 5655, 4485],
    ['#txtIn1', 5790, 210, 4755, 360, 828, 288], ['#CombCover', 5790, 210, 3465, 3660, 2112, 315],
    ['#txtIn12', 5790, 210, 4755, 3990, 828, 288], ['#txtIn14', 5790, 4845, 4755, 660, 828, 288],
    ['#Command0', 0, 0, 8490, 7140, 930, 525], ['#Command8', 0, 0, 2160, 7140, 1455, 540]];
  for (const [selector, cx, cy, ...twips] of places) {
    const box = await page.locator(selector).boundingBox();
    const expected = [cx + twips[0], cy + twips[1], twips[2], twips[3]].map((t) => t / 15);
    const actual = [box.x, box.y, box.width, box.height];
    actual.forEach((px, i) => assert.ok(Math.abs(px - expected[i]) <= 1, `${selector} ${actual}`));
  }
  const form = await page.locator('#Form1').boundingBox();
  assert.deepEqual([form.width, form.height], [780, 541]);
  // No label reaches into its field; each label starts 1-2 pixels below it.
  for (const label of await page.locator('label').all()) {
    const field = page.locator('#' + (await label.getAttribute('for')).replace('CombText', 'CombCover'));
    const [l, f] = [await label.boundingBox(), await field.boundingBox()];
    assert.ok(l.x + l.width <= (await page.locator('#txtIn1').boundingBox()).x && f.y < l.y && l.y <= f.y + 2);
  }
  // Fonts as the desktop names them, Windows faces first, at 96 dpi.
  const desktop = readFileSync(top + 'ui/form1_layout.cpp', 'utf8');
  const fonts = Object.fromEntries([...desktop.matchAll(/QFont (\w+) = Make\w*Font\(\{([^}]*)\},\s*([\d.]+)/g)]
    .map(([, name, faces, points]) => [name, [faces.replace(/"/g, '').split(/,\s*/), Math.round(points * 4 / 3)]]));
  for (const [selector, name] of [['label', 'window'], ['.caption', 'frame'], ['#txtIn3', 'field'],
    ['#CombText', 'field'], ['#Command8', 'calculate'], ['#Command0', 'exit']]) {
    const [family, size] = await page.$eval(selector, (e) => [getComputedStyle(e).fontFamily, getComputedStyle(e).fontSize]);
    const faces = family.split(/,\s*/).map((face) => face.replace(/"/g, ''));
    assert.deepEqual([faces.slice(0, fonts[name][0].length), size], [fonts[name][0], fonts[name][1] + 'px'], selector);
  }
  const style = (selector, property) => page.$eval(selector, (e, p) => getComputedStyle(e)[p], property);
  assert.deepEqual([await style('#txtIn13', 'backgroundColor'), await style('#txtIn14', 'color'),
                    await style('#Command8', 'backgroundColor')],
                   ['rgb(255, 255, 192)', 'rgb(255, 0, 0)', 'rgb(0, 255, 255)']);
  assert.equal(await page.title(), desktop.match(/setWindowTitle\(QStringLiteral\("([^"]+)/)[1]);
  const order = [];
  for (let i = 0; i < 15; ++i) {
    await page.keyboard.press('Tab');
    order.push(await focused(page));
  }
  assert.deepEqual(order, [2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 'CombText', 12, 13, 14, 'Picture2']
    .map((c) => (typeof c === 'number' ? 'txtIn' + c : c)));
  assert.ok((await (await page.request.get(origin + (await page.getAttribute('link[rel=icon]', 'href')))).ok()));
  await page.context().close();
});

test('the drawing: one image pixel to one device pixel at zoom 1, 1.25, 1.5, 1.75, 2 and 3', async () => {
  for (const scale of [1, 1.25, 1.5, 1.75, 2, 3]) {
    const file = scale === 1 ? 'flange.png' : `flange@${scale}x.png`;
    const page = await open({ deviceScaleFactor: scale });
    // The drawing's corner sits on the first device pixel wholly inside
    // Picture2's two-pixel border; 367 x 420 pixels of it show.
    const shot = await page.screenshot();
    const differing = await page.evaluate(async ([shotData, file, scale]) => {
      const pixels = async (src) => {
        const image = await createImageBitmap(await (await fetch(src)).blob());
        const canvas = new OffscreenCanvas(image.width, image.height).getContext('2d');
        canvas.drawImage(image, 0, 0);
        return canvas.getImageData(0, 0, image.width, image.height);
      };
      const [seen, drawn] = [await pixels('data:image/png;base64,' + shotData), await pixels(file)];
      const [left, top] = [Math.ceil(16 * scale), Math.ceil(23 * scale)];
      let count = 0;
      for (let y = 0; y < Math.floor(419 * scale); ++y) {
        for (let x = 0; x < Math.floor(366 * scale) * 4; ++x) {
          count += seen.data[((top + y) * seen.width + left) * 4 + x] !== drawn.data[y * drawn.width * 4 + x];
        }
      }
      return count;
    }, [shot.toString('base64'), file, scale]);
    assert.equal(differing, 0, `zoom ${scale}`);
    await page.context().close();
  }
});

test('installable, and offline after one visit; from disk it still calculates', async () => {
  const profile = await browser.browserType().launchPersistentContext(mkdtempSync(tmpdir() + '/flange-web-'), {
    executablePath: '/usr/bin/chromium', args: process.getuid() === 0 ? ['--no-sandbox'] : [] });
  const page = await profile.newPage();
  await page.goto(origin);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const cdp = await page.context().newCDPSession(page);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  await page.context().setOffline(true);
  await page.reload();
  await page.waitForFunction(() => 'ready' in document.documentElement.dataset);
  assert.ok(await page.$eval('#drawing', (image) => image.complete && image.naturalWidth > 0));
  await page.click('#Command8');
  assert.deepEqual(await results(page), ['0.0', '0.0']);
  await profile.close();

  // From disk, in this browser and in an older Chromium that refuses to
  // compile the core on the page's thread and cannot decode base64 to bytes.
  const older = () => {
    WebAssembly.Module = () => { throw new RangeError('compile on the main thread refused'); };
    delete Uint8Array.fromBase64;
  };
  for (const initScript of [undefined, older]) {
    const fromDisk = await open({}, 'file://' + site + 'index.html', initScript);
    for (const [i, text] of worked.entries()) await fromDisk.fill(`#txtIn${i + 1}`, text);
    await fromDisk.click('#Command8');
    assert.deepEqual(await results(fromDisk), ['604.75', '4.75']);
    await fromDisk.context().close();
  }
});

test('exit closes a window opened by script and leaves a visited tab as it is', async () => {
  const page = await open();
  const [popup] = await Promise.all([page.waitForEvent('popup'), page.evaluate(() => window.open(location.href))]);
  await popup.waitForFunction(() => 'ready' in document.documentElement.dataset);
  await Promise.all([popup.waitForEvent('close'), popup.click('#Command0')]);
  await page.goto(origin + 'index.html');  // a second history entry: not closable
  await page.waitForFunction(() => 'ready' in document.documentElement.dataset);
  await page.click('#Command0');
  await page.waitForTimeout(200);
  assert.equal(page.isClosed(), false);
  await page.context().close();
});

test('a phone 375 pixels wide shows the whole window without scrolling sideways', async () => {
  const page = await open({ viewport: { width: 375, height: 700 }, isMobile: true, hasTouch: true });
  const form = await page.locator('#Form1').boundingBox();
  assert.ok(Math.abs(form.width - 375) < 1 && Math.abs(form.height - 541 * 375 / 780) < 1);
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
  await page.context().close();
});

test('10,000 flanges with odd texts give the same texts as flange-calc --batch', async () => {
  let seed = 12345;
  const random = (n) => ((seed = (seed * 48271) % 2147483647) % n);
  const fullWidth = (text) => text.replace(/[0-9.+\-E]/g, (c) => String.fromCharCode(c.charCodeAt(0) + 0xfee0));
  const number = () => [String(random(500)), (random(100000) / 100).toString(), `${random(9)}.${random(99)}E${random(30) - 15}`,
    '1E400', '-1E309', '1E-400', '', '.', '-', 'abc', '7.85', String(random(1e9) * 1e9)][random(12)];
  const odd = (text) => [text, ` ${text}  `, text + 'mm', fullWidth(text), text + ',5', '+' + text, text + 'e', 'γ' + text][random(8)];
  const flanges = Array.from({ length: 10000 }, (_, i) => (i === 0 ? worked : worked.map(
    (text) => (random(3) ? odd(random(2) ? text : number()) : number()))));
  const cli = execFileSync(top + 'build/release/cli/flange-calc', ['--batch'],
                           { input: flanges.map((f) => f.join('\t')).join('\n') + '\n' }).toString();
  const page = await open();
  const web = await page.evaluate((all) => all.map((f) => flangeCalculator.calculate(f).join('\t')), flanges);
  assert.deepEqual(web, cli.split('\n').slice(0, -1));
  assert.equal(web[0], '604.75\t4.75');
  assert.ok(web.filter((line) => line.includes('溢出')).length > 100);
  await page.context().close();
});
