// Installs the site for use without the network. The service worker is
// registered once the program's window has shown, so that its caching does
// not compete with the program's own download at the first visit.
"use strict";
(function () {
  if (!("serviceWorker" in navigator) || typeof PerformanceObserver !== "function")
    return;

  // A newer build, installed beside the running one, takes over at once:
  // this page has all its files by now, so the next visit starts the new
  // build whole. The worker waits instead while other tabs may still load.
  function takeOver(worker) {
    if (worker)
      worker.postMessage("take-over");
  }

  function register() {
    navigator.serviceWorker.register("service-worker.js").then(function (registration) {
      takeOver(registration.waiting);
      registration.addEventListener("updatefound", function () {
        const worker = registration.installing;
        worker.addEventListener("statechange", function () {
          if (worker.state === "installed")
            takeOver(worker);
        });
      });
    }).catch(function () {
      // Private browsing, storage turned off, plain http: online as before.
    });
  }

  const observer = new PerformanceObserver(function (list) {
    if (list.getEntriesByName("window-painted").length > 0) {
      observer.disconnect();
      register();
    }
  });
  observer.observe({ type: "mark", buffered: true });
})();
