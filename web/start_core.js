// Appended to the core's script: starts the core as soon as the script has
// run. The WebAssembly comes from the text the script carries, not from a
// fetch, and is compiled at once, so the core is ready before the page's
// first paint; a browser that refuses to compile it on the page's own thread
// (older Chromium) compiles it in the background instead.
var flangeCoreLoading = FlangeCore({
  instantiateWasm(imports, receiveInstance) {
    const bytes = wasmBytes(flangeCoreWasm);
    try {
      receiveInstance(new WebAssembly.Instance(new WebAssembly.Module(bytes), imports));
    } catch {
      WebAssembly.instantiate(bytes, imports).then(({instance}) => receiveInstance(instance));
    }
    return {};
  },
});

function wasmBytes(base64) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes;
}
