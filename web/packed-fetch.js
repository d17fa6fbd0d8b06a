// The program's script and wasm travel gzip-compressed (NAME.gz) whatever
// the web server compresses: many servers send wasm as it is stored. This
// script, loaded before Qt's loader, unpacks them in the page as they
// arrive, so that the wasm still compiles while it downloads. A browser
// without DecompressionStream, or a site without the .gz files, gets the
// plain files.
"use strict";
(function () {
  if (typeof DecompressionStream !== "function" || typeof ReadableStream !== "function")
    return;
  const program = document.currentScript.dataset.program;
  const types = new Map([[program + ".js", "text/javascript"], [program + ".wasm", "application/wasm"]]);
  const plainFetch = window.fetch.bind(window);

  // A server that labels .gz files "Content-Encoding: gzip" has the browser
  // unpack them already: only bytes that still begin with gzip's magic
  // number are unpacked here.
  async function unpacked(body) {
    const reader = body.getReader();
    const first = await reader.read();
    const bytes = new ReadableStream({
      start(controller) {
        if (first.done) controller.close();
        else controller.enqueue(first.value);
      },
      async pull(controller) {
        const next = await reader.read();
        if (next.done) controller.close();
        else controller.enqueue(next.value);
      },
      cancel(reason) {
        return reader.cancel(reason);
      },
    });
    const gzip = !first.done && first.value[0] === 0x1f && first.value[1] === 0x8b;
    return gzip ? bytes.pipeThrough(new DecompressionStream("gzip")) : bytes;
  }

  window.fetch = function (resource, options) {
    const type = typeof resource === "string" && types.get(resource);
    if (!type)
      return plainFetch(resource, options);
    const plain = () => plainFetch(resource, options);
    return plainFetch(resource + ".gz", options).then(async function (response) {
      if (!response.ok)
        return plain();
      return new Response(await unpacked(response.body), { headers: { "Content-Type": type } });
    }, plain);
  };
})();
