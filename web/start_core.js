// Appended to the core's script: starts loading the core as soon as the
// script has run, so that compiling the WebAssembly overlaps with the page's
// own start-up.
var flangeCoreLoading = FlangeCore();
