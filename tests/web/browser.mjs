// What the browser test and the browser benchmark share: a static server on
// 127.0.0.1 only, Debian's Chromium started headless and offline, and the
// pixels of a screenshot.
import { createServer } from "node:http";
import { mkdtempSync, readFileSync, rmSync, statSync } from "node:fs";
import { tmpdir } from "node:os";
import { extname, join, normalize } from "node:path";
import puppeteer from "puppeteer-core";

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm",
  ".png": "image/png", ".txt": "text/plain; charset=utf-8", ".json": "application/json",
  ".gz": "application/gzip",
};

// Serves DIR's files as a plain static web server would; resolves to the
// base address once it listens. While "offline" is set, every connection
// is cut as by a network that is down.
export function serve(dir) {
  const served = { offline: false };
  const server = createServer((request, response) => {
    if (served.offline) return request.socket.destroy();
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    const file = join(dir, path.endsWith("/") ? path + "index.html" : path);
    try {
      if (!file.startsWith(dir) || !statSync(file).isFile()) throw new Error("not a file");
      response.writeHead(200, { "Content-Type": types[extname(file)] || "application/octet-stream" });
      response.end(readFileSync(file));
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () =>
    resolve(Object.assign(served, { url: `http://127.0.0.1:${server.address().port}`,
      close: () => server.close() }))));
}

// A fresh profile each time; nothing is fetched from the network, and WebGL
// runs on the CPU (SwiftShader), as on a machine without a GPU.
export async function launchChromium() {
  const profile = mkdtempSync(join(tmpdir(), "vertisel-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    userDataDir: profile,
    args: ["--headless", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      "--no-first-run"],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => { await close(); rmSync(profile, { recursive: true, force: true }); };
  return browser;
}

// Waits for the program's first paint, marked in the page's timeline.
export async function waitForFirstPaint(page, seconds = 90) {
  await page.waitForFunction(() => performance.getEntriesByName("window-painted").length > 0,
    { timeout: seconds * 1000, polling: 20 });
}

// The RGB values at POINTS (css pixels of the page) in a screenshot, read
// by a blank page of the same browser.
export async function pixelsAt(browser, png, points) {
  const reader = await browser.newPage();
  try {
    return await reader.evaluate(async (data, points) => {
      const image = new Image();
      image.src = "data:image/png;base64," + data;
      await image.decode();
      const canvas = new OffscreenCanvas(image.width, image.height);
      const context = canvas.getContext("2d");
      context.drawImage(image, 0, 0);
      return points.map(([x, y]) => Array.from(context.getImageData(x, y, 1, 1).data.slice(0, 3)));
    }, Buffer.from(png).toString("base64"), points);
  } finally {
    await reader.close();
  }
}
