// First paint in the browser: the program's page against the bare Qt window
// of bench/ (same Qt, same flags, same page), loaded alternately, each time
// in a fresh browser context (empty cache), from a server on 127.0.0.1.
// Prints the median time from navigation to the window's first paint.
//   node bench.mjs FOLDER RUNS
import { launchChromium, serve, waitForFirstPaint } from "./browser.mjs";

const [dir, runs = "10"] = process.argv.slice(2);
const pages = { vertisel: "index.html", floor: "floor.html" };
const times = { vertisel: [], floor: [] };
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
