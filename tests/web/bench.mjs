// First paint in the browser: the program's page against the bare Qt window
// of bench/ (same Qt, same flags, same page), loaded alternately, each time
// in a fresh browser context (empty cache), from a server on 127.0.0.1.
// Prints the median time from navigation to the window's first paint, then
// the program's first paint through throttled lines, packed and plain.
//   node bench.mjs FOLDER RUNS
import { launchChromium, serve, waitForFirstPaint } from "./browser.mjs";

const [dir, runs = "10"] = process.argv.slice(2);
const pages = { vertisel: "index.html", floor: "floor.html" };
const times = { vertisel: [], floor: [] };
const throttled = [];
const server = await serve(dir);
const browser = await launchChromium();
try {
  for (let i = 0; i < Number(runs); ++i) {
    for (const [name, file] of Object.entries(pages)) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport({ width: 1024, height: 768 });
      await page.goto(`${server.url}/${file}`);
      await waitForFirstPaint(page);
      // The mark's time counts from the start of the navigation.
      times[name].push(await page.evaluate(() => performance.getEntriesByName("window-painted")[0].startTime));
      await context.close();
    }
  }
  // The program through a throttled line from a server that compresses
  // nothing: its files as shipped (packed, unpacked in the page), and plain
  // as a browser without DecompressionStream fetches them.
  for (const mbits of [9, 1.6]) {
    for (const packed of [false, true]) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      const cdp = await page.createCDPSession();
      await cdp.send("Network.emulateNetworkConditions", { offline: false, latency: 20,
        downloadThroughput: (mbits * 1e6) / 8, uploadThroughput: (mbits * 1e6) / 8 });
      if (!packed) await page.evaluateOnNewDocument(() => { delete window.DecompressionStream; });
      await page.setViewport({ width: 1024, height: 768 });
      await page.goto(`${server.url}/index.html`);
      await waitForFirstPaint(page, 300);
      const ms = await page.evaluate(() => performance.getEntriesByName("window-painted")[0].startTime);
      const bytes = await page.evaluate(() => performance.getEntriesByType("resource")
        .reduce((sum, r) => sum + r.transferSize, 0));
      throttled.push(`at ${mbits} Mbit/s, ${packed ? "packed" : "plain "}: first paint ${(ms / 1000).toFixed(1)} s, ` +
        `${(bytes / 1e6).toFixed(2)} MB moved`);
      await context.close();
    }
  }
} finally {
  await browser.close();
  server.close();
}
const median = (v) => { const s = [...v].sort((a, b) => a - b), m = s.length >> 1; return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2; };
const ratios = times.vertisel.map((t, i) => t / times.floor[i]);
console.log(`first paint, median of ${runs} loads each: vertisel ${median(times.vertisel).toFixed(0)} ms, ` +
  `bare window ${median(times.floor).toFixed(0)} ms; ratio ${median(ratios).toFixed(3)}`);
console.log(`  vertisel: ${times.vertisel.map((t) => t.toFixed(0)).join(" ")}`);
console.log(`  floor:    ${times.floor.map((t) => t.toFixed(0)).join(" ")}`);
console.log(throttled.join("\n"));
