// The calculator window's behaviour in the page: every change of an input
// blanks both results, Enter moves on like Tab, arriving in a field selects
// its text, the material list fills in the density, and the calculate button
// hands the twelve field texts to the core (WebAssembly) and shows the volume
// and the weight it returns. A classic script, so the page also works when
// opened straight from disk.
'use strict';
(() => {
  const kLastInputField = 12;
  const kVolumeField = 13;
  const kWeightField = 14;
  const txtIn = (index) => document.getElementById('txtIn' + index);
  const combText = document.getElementById('CombText');
  const combList = document.getElementById('CombList');

  // The core: the twelve texts go in as UTF-8, the two result texts come out.
  let core = null;
  let lengths = null;
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  function readText(address) {
    const heap = core.HEAPU8;
    let end = address;
    let ascii = true;
    for (let byte; (byte = heap[end]) !== 0; ++end) ascii &&= byte < 0x80;
    if (!ascii) return decoder.decode(heap.subarray(address, end));
    return String.fromCharCode.apply(null, heap.subarray(address, end));
  }

  // Twelve field texts in field order; returns [volume text, weight text].
  function calculate(texts) {
    let units = 0;
    for (let i = 0; i < kLastInputField; ++i) units += texts[i].length;
    // UTF-8 needs at most three bytes for each UTF-16 unit.
    const room = units * 3;
    const start = core._FieldTextBuffer(room);
    const heap = core.HEAPU8;  // read after the call: growing the memory replaces it
    if (lengths === null || lengths.buffer !== heap.buffer) {
      lengths = new Uint32Array(heap.buffer, core._FieldTextLengths(), kLastInputField);
    }
    let at = start;
    for (let i = 0; i < kLastInputField; ++i) {
      const text = texts[i];
      let n = 0;
      let code;
      while (n < text.length && (code = text.charCodeAt(n)) < 0x80) heap[at + n++] = code;
      let written = n;
      if (n < text.length) {
        written += encoder.encodeInto(text.slice(n), heap.subarray(at + n, start + room)).written;
      }
      lengths[i] = written;
      at += written;
    }
    return readText(core._CalculateFromFieldTexts()).split('\n');
  }

  // A write from a handler raises the field's change at once, and shows the
  // text from its first character.
  function setText(index, text) {
    const field = txtIn(index);
    field.value = text;
    field.setSelectionRange(0, 0);
    field.scrollLeft = 0;
    txtIn_Change(index);
  }

  function blankResults() {
    setText(kVolumeField, '');
    setText(kWeightField, '');
  }

  function txtIn_Change(index) {
    if (index <= kLastInputField) blankResults();
  }

  // The whole text up to its trailing blanks is selected, so typing replaces it.
  function selectUpToTrailingBlanks(input) {
    input.setSelectionRange(0, input.value.replace(/ +$/, '').length);
  }

  // The focus order of Tab: fields 1 to 11, the list, fields 12 to 14, the
  // drawing, the exit and calculate buttons.
  const tabOrder = [];
  for (let i = 1; i <= 11; ++i) tabOrder.push(txtIn(i));
  tabOrder.push(combText, txtIn(12), txtIn(13), txtIn(14), document.getElementById('Picture2'),
                document.getElementById('Command0'), document.getElementById('Command8'));
  function focusNext(control) {
    tabOrder[(tabOrder.indexOf(control) + 1) % tabOrder.length].focus();
  }

  function isEnter(event) {
    return event.key === 'Enter' && !event.isComposing && event.keyCode !== 229;
  }

  // Arriving by mouse, the click puts the cursor where it is pressed after the
  // focus has arrived; the selection is made again once the button is up.
  function selectOnArrival(input) {
    let pressed = false;
    input.addEventListener('mousedown', () => { pressed = document.activeElement !== input; });
    input.addEventListener('focus', () => selectUpToTrailingBlanks(input));
    input.addEventListener('mouseup', () => {
      if (pressed) selectUpToTrailingBlanks(input);
      pressed = false;
    });
  }

  for (let index = 1; index <= kWeightField; ++index) {
    const field = txtIn(index);
    field.addEventListener('input', () => txtIn_Change(index));
    selectOnArrival(field);
    field.addEventListener('keydown', (event) => {
      if (!isEnter(event)) return;
      event.preventDefault();
      if (index === kLastInputField) {
        txtIn(1).focus();
      } else {
        focusNext(field);
      }
    });
  }

  // The material list: choosing an entry (mouse or arrow keys) writes its
  // density into field 12, whose change blanks the results; editing the text
  // part blanks the results and chooses nothing.
  const materials = [];
  let listIndex = -1;
  function showList(show) {
    combList.hidden = !show;
    combText.setAttribute('aria-expanded', String(show));
  }
  function CombCover_Click() {
    const material = materials[listIndex];
    if (material) setText(kLastInputField, material.density);
  }
  function choose(index) {
    listIndex = index;
    combText.value = materials[index].text;
    [...combList.children].forEach((item, i) => item.classList.toggle('current', i === index));
    CombCover_Click();
    selectUpToTrailingBlanks(combText);
  }
  combText.addEventListener('input', () => {
    listIndex = -1;
    blankResults();
  });
  selectOnArrival(combText);
  combText.addEventListener('keydown', (event) => {
    if (isEnter(event)) {
      event.preventDefault();
      showList(false);
      focusNext(combText);
    } else if ((event.key === 'ArrowDown' && event.altKey) || event.key === 'F4') {
      event.preventDefault();
      showList(combList.hidden);
    } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      event.preventDefault();
      if (materials.length === 0) return;
      const step = event.key === 'ArrowDown' ? 1 : -1;
      choose(Math.min(materials.length - 1, Math.max(0, listIndex + step)));
    } else if (event.key === 'Escape') {
      showList(false);
    }
  });
  combText.addEventListener('blur', () => showList(false));
  const combButton = document.getElementById('CombButton');
  combButton.addEventListener('mousedown', (event) => {
    event.preventDefault();  // the focus stays in (or moves to) the text part
    combText.focus();
    showList(combList.hidden);
  });
  combList.addEventListener('mousedown', (event) => {
    event.preventDefault();
    const item = event.target.closest('li');
    if (item === null) return;
    showList(false);
    choose([...combList.children].indexOf(item));
  });

  // Labels name their fields for screen readers; clicking one moves nothing.
  for (const label of document.querySelectorAll('label')) {
    label.addEventListener('click', (event) => event.preventDefault());
  }

  const ready = flangeCoreLoading.then((module) => {
    core = module;
    // The list's entries, in the core's material table order.
    for (let position = 1; ; ++position) {
      const entry = readText(core._MaterialEntry(position));
      if (entry === '') break;
      const [text, density] = entry.split('\n');
      materials.push({text, density});
      const item = document.createElement('li');
      item.setAttribute('role', 'option');
      item.textContent = text;
      combList.append(item);
    }
    document.documentElement.dataset.ready = '';
    performance.mark('flange-ready');
  });

  document.getElementById('Command8').addEventListener('click', () => ready.then(() => {
    const texts = [];
    for (let i = 1; i <= kLastInputField; ++i) texts.push(txtIn(i).value);
    const [volume, weight] = calculate(texts);
    setText(kVolumeField, volume);
    setText(kWeightField, weight);
  }));

  // Exit closes the window where the browser lets a page close itself (an
  // installed app's window, a window opened by a script); elsewhere the
  // browser refuses and the page stays as it is.
  document.getElementById('Command0').addEventListener('click', () => window.close());

  // On a screen narrower than the window, the whole window is scaled down to
  // the screen's width.
  const form = document.getElementById('Form1');
  const fit = document.getElementById('fit');
  function fitWidth() {
    const scale = Math.min(1, document.documentElement.clientWidth / 780);
    form.style.transform = scale < 1 ? `scale(${scale})` : '';
    fit.style.width = 780 * scale + 'px';
    fit.style.height = 541 * scale + 'px';
  }

  // The drawing made for the screen's device pixel ratio is shown pixel for
  // pixel: its corner goes on the first device pixel wholly inside its
  // border (the border covers part of the pixel the corner falls in), and
  // nearest-pixel rendering keeps each image pixel on one device pixel (each
  // drawing is a whole number of CSS pixels, so the browser's layout does not
  // stretch it); placed between device pixels or resampled, its one-pixel
  // lines would be smeared. Between two ratios, or scaled to a narrow screen,
  // the next finer drawing is scaled down smoothly.
  const drawing = document.getElementById('drawing');
  const densities = new Map(drawing.srcset.split(',').map((candidate) => {
    const [url, density] = candidate.trim().split(' ');
    return [new URL(url, location.href).href, parseFloat(density)];
  }));
  function matchDrawingToScreen() {
    drawing.style.transform = '';
    const ratio = devicePixelRatio;
    const scaled = form.style.transform !== '';
    drawing.classList.toggle('exact', !scaled && densities.get(drawing.currentSrc) === ratio);
    if (scaled) return;
    const {left, top} = drawing.getBoundingClientRect();
    const snap = (at) => (Math.ceil(at * ratio - 0.001) - at * ratio) / ratio;
    drawing.style.transform = `translate(${snap(left)}px, ${snap(top)}px)`;
  }
  drawing.addEventListener('load', matchDrawingToScreen);
  window.addEventListener('resize', () => {
    fitWidth();
    matchDrawingToScreen();
  });
  fitWidth();
  matchDrawingToScreen();

  txtIn(1).focus();

  if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }

  // For the tests and benchmarks: the core as the page calls it.
  window.flangeCalculator = {ready, calculate};
})();
