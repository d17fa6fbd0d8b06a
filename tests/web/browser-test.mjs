// The browser build in Debian's Chromium, through real mouse, touch and key
// events: at a desktop's size and at a phone's. The program reports its
// field texts, fonts and focus into the page only when the address asks for
// it ("?expose-fields"): reading 18 numbers back from the canvas's pixels
// would test a text recogniser, not the program. Pixels are checked where
// the picture itself is the point: window place, photo, button colours,
// drawn dots.
//   node browser-test.mjs SITE_FOLDER
import { execFileSync } from "node:child_process";
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { launchChromium, pixelsAt, serve, waitForFirstPaint } from "./browser.mjs";

const site = resolve(process.argv[2] || "build-web");
const photo = readFileSync(new URL("../../content/photo.rgb", import.meta.url)); // 200 x 196 RGB
const W = 487, H = 424;
const title = "Аналитична геометрия - пресечна точка";
// Window coordinates: the canvas's drawing area, button faces, input fields.
const area = [10, 34];
const calculate = [40, 12], clear = [456, 12];
const calculateFace = [14, 5], clearFace = [430, 5];
const inputAt = { Text2_0: [258, 66], Text2_1: [386, 66], Text2_2: [258, 90], Text2_3: [386, 90],
  Text2_7: [258, 194], Text2_8: [394, 194], Text2_9: [258, 218], Text2_10: [394, 218] };
// Four points in the drawing area: line 1 across, line 2 down; they cross
// at (100, 98), that is (1500, 1470) twips.
const points = [[50, 98], [150, 98], [100, 38], [100, 160]];
const pointFields = { Text2_0: "750", Text2_1: "1470", Text2_2: "2250", Text2_3: "1470",
  Text2_7: "1500", Text2_8: "570", Text2_9: "1500", Text2_10: "2400" };
const resultFields = ["Text2_4", "Text2_5", "Text2_6", "Text2_16", "Text2_11", "Text2_12",
  "Text2_13", "Text2_17", "Text2_14", "Text2_15"];

let failures = 0;
function check(ok, what) {
  console.log(`${ok ? "ok  " : "FAIL"} ${what}`);
  if (!ok) ++failures;
}
const near = (a, b, tolerance = 10) => a.every((v, i) => Math.abs(v - b[i]) <= tolerance);

async function state(page) {
  return JSON.parse(await page.$eval("#vertisel-state", (e) => e.textContent));
}

// Waits (bounded) until the program's reported state satisfies CONDITION.
async function stateWhen(page, condition, what) {
  const deadline = Date.now() + 10000;
  for (;;) {
    const now = await state(page);
    if (condition(now)) {
      check(true, what);
      return now;
    }
    if (Date.now() > deadline) {
      check(false, `${what} (state: ${JSON.stringify(now)})`);
      return now;
    }
    await new Promise((r) => setTimeout(r, 20));
  }
}

// Maps window coordinates to the page's css pixels (centre of the pixel).
async function placeOf(page) {
  const r = await page.$eval("#screen", (c) => {
    const b = c.getBoundingClientRect();
    return { left: b.left, top: b.top, width: b.width, height: b.height, backing: c.width,
      innerWidth: window.innerWidth, dpr: window.devicePixelRatio };
  });
  r.scale = r.width / W;
  r.css = ([x, y]) => [r.left + (x + 0.5) * r.scale, r.top + (y + 0.5) * r.scale];
  return r;
}

async function screenshotPixels(browser, page, place, name, windowPoints) {
  const png = await page.screenshot({ path: join(site, name) });
  const image = windowPoints.map((p) => place.css(p).map((v) => Math.floor(v * place.dpr)));
  return pixelsAt(browser, png, image);
}

async function open(browser, viewport, language, device = {}) {
  const page = await browser.newPage();
  if (device.userAgent) await page.setUserAgent(device.userAgent);
  page.on("pageerror", (e) => check(false, `page error: ${e.message}`));
  page.on("requestfailed", (r) => check(false, `request failed: ${r.url()}`));
  page.on("request", (r) => r.url().startsWith(server.url) || check(false, `fetched off-site: ${r.url()}`));
  await page.evaluateOnNewDocument((language, platform) => {
    Object.defineProperty(navigator, "language", { get: () => language });
    Object.defineProperty(navigator, "languages", { get: () => [language] });
    if (platform) Object.defineProperty(navigator, "platform", { get: () => platform });
  }, language, device.platform);
  await page.setViewport(viewport);
  await page.goto(`${server.url}/index.html?expose-fields`);
  await waitForFirstPaint(page);
  return page;
}

async function checkStart(browser, page, name) {
  const place = await placeOf(page);
  const now = await state(page);
  check(Math.abs(place.width - W * place.scale) < 1 && Math.abs(place.height - H * place.scale) < 1,
    `${name}: canvas ${place.width.toFixed(1)} x ${place.height.toFixed(1)} css px at scale ${place.scale.toFixed(3)}`);
  check(Math.abs(place.left + place.width / 2 - place.innerWidth / 2) <= 1, `${name}: window centred`);
  check(place.backing >= Math.floor(place.width * place.dpr) - 1,
    `${name}: drawn at the device's pixels (${place.backing} wide at ratio ${place.dpr})`);
  check(await page.title() === title, `${name}: page title is the window title`);
  check(await page.$eval("#window-title", (e) => e.textContent) === title, `${name}: title bar over the window`);
  check(JSON.stringify(now.fonts) === '["Liberation Serif"]', `${name}: every control in the built-in serif ${now.fonts}`);
  const samples = [];
  for (let y = 5; y < 196; y += 19) for (let x = 5; x < 200; x += 19) samples.push([x, y]);
  const shot = await screenshotPixels(browser, page, place, `${name}-start.png`,
    [calculateFace, clearFace, ...samples.map(([x, y]) => [area[0] + x, area[1] + y])]);
  check(near(shot[0], [0, 255, 0], 2), `${name}: "Изчисли" face green ${shot[0]}`);
  check(near(shot[1], [255, 0, 0], 2), `${name}: "Изчисти" face red ${shot[1]}`);
  const matching = samples.filter(([x, y], i) => near(shot[i + 2], [...photo.subarray((y * 200 + x) * 3, (y * 200 + x) * 3 + 3)], 24)).length;
  check(matching >= samples.length * 0.9, `${name}: start-up photo on the canvas (${matching}/${samples.length} samples)`);
}

// Taps arrive in whole css pixels, and Qt rounds them to the window's
// pixels: at the phone's scale (0.74) a press may land one pixel (15 twips)
// beside the aimed one; the mouse is exact.
async function checkPoints(browser, page, place, name, slack) {
  const close = (s) => Object.entries(pointFields).every(([f, v]) => Math.abs(Number(s.fields[f]) - v) <= slack);
  const now = await stateWhen(page, close, `${name}: the four points' coordinates in their fields`);
  const dots = await screenshotPixels(browser, page, place, `${name}-points.png`,
    points.map(([x, y]) => [area[0] + x, area[1] + y]));
  check(dots.every((c) => near(c, [220, 0, 0], 40)), `${name}: a red dot at every point ${JSON.stringify(dots)}`);
  return now;
}

async function desktop(browser) {
  const page = await open(browser, { width: 1024, height: 768, deviceScaleFactor: 1 }, "en-US");
  await checkStart(browser, page, "desktop");
  const place = await placeOf(page);
  const click = (p) => page.mouse.click(...place.css(p));

  // The task's example, typed.
  const example = { Text2_0: "1", Text2_1: "15", Text2_2: "10", Text2_3: "15",
    Text2_7: "5", Text2_8: "1", Text2_9: "5", Text2_10: "25" };
  for (const [field, text] of Object.entries(example)) {
    await click(inputAt[field]);
    await page.keyboard.type(text);
  }
  await click(calculate);
  const expected = ["0.0000", "9.0000", "-135.0000", "0.0000", "-24.0000", "0.0000", "120.0000",
    "999.9999", "5.0000", "15.0000"];
  const now = await stateWhen(page, (s) => s.fields.Text2_15 !== "", "desktop: Calculate filled the results");
  check(resultFields.every((f, i) => now.fields[f] === expected[i]),
    `desktop: task example results ${resultFields.map((f) => now.fields[f]).join(" ")}`);
  await page.screenshot({ path: join(site, "desktop-example.png") });

  // Keys alone: Tab to the canvas, Space blanks the photo at the cross-hair
  // (the centre), Shift+Left five times and Space record a point 50 px left.
  for (let i = 0; i < 40 && (await state(page)).focus !== "Picture1"; ++i) {
    const before = (await state(page)).focus;
    await page.keyboard.press("Tab");
    await page.waitForFunction((b) => JSON.parse(document.getElementById("vertisel-state").textContent).focus !== b,
      { timeout: 5000, polling: 20 }, before);
  }
  check((await state(page)).focus === "Picture1", "desktop: Tab reaches the canvas");
  await page.keyboard.press("Space");
  await page.keyboard.down("Shift");
  for (let i = 0; i < 5; ++i) await page.keyboard.press("ArrowLeft");
  await page.keyboard.up("Shift");
  await page.keyboard.press("Space");
  await stateWhen(page, (s) => s.fields.Text2_0 === "750" && s.fields.Text2_1 === "1470",
    "desktop: keyboard point in X1, Y1");

  // The mouse: Clear, four points, Calculate.
  await click(clear);
  await stateWhen(page, (s) => s.fields.Text2_0 === "", "desktop: Clear empties the fields");
  for (const p of points) await click([area[0] + p[0], area[1] + p[1]]);
  await checkPoints(browser, page, place, "desktop", 0);
  await click(calculate);
  await stateWhen(page, (s) => s.fields.Text2_14 === "1,500.0000" && s.fields.Text2_15 === "1,470.0000",
    "desktop: clicked lines cross at 1,500.0000 1,470.0000");
  await page.screenshot({ path: join(site, "desktop-clicked.png") });

  // A result's tooltip explains it; wait until something is drawn below it.
  const tipWatch = [[70, 282], [100, 282], [130, 282], [160, 282], [190, 282]];
  const before = await screenshotPixels(browser, page, place, "desktop-tooltip.png", tipWatch);
  await page.mouse.move(...place.css([60, 258]));
  let changed = false;
  for (const deadline = Date.now() + 5000; !changed && Date.now() < deadline;) {
    const after = await screenshotPixels(browser, page, place, "desktop-tooltip.png", tipWatch);
    changed = after.some((c, i) => !near(c, before[i], 0));
  }
  check(changed, "desktop: hovering the result X shows its tooltip");
  await page.close();
}

async function phone(browser) {
  const page = await open(browser,
    { width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true }, "bg-BG");
  await checkStart(browser, page, "phone");
  const place = await placeOf(page);
  const tap = (p) => page.touchscreen.tap(...place.css(p));
  await tap([area[0] + 100, area[1] + 98]); // the first press blanks the photo
  for (const p of points) await tap([area[0] + p[0], area[1] + p[1]]);
  const tapped = await checkPoints(browser, page, place, "phone", 15);
  await tap(calculate);
  // Line 1 across, line 2 down: they cross at line 2's x and line 1's y,
  // written the Bulgarian way (decimal comma; Qt groups from five digits on).
  const [x, y] = [`${tapped.fields.Text2_7},0000`, `${tapped.fields.Text2_1},0000`];
  await stateWhen(page, (s) => s.fields.Text2_14 === x && s.fields.Text2_15 === y,
    `phone: tapped lines cross at ${x} ${y} (Bulgarian format)`);
  await page.screenshot({ path: join(site, "phone-clicked.png") });
  await page.close();
}

// An on-screen keyboard's text, as the browser gets it: committed key by key,
// a word composed and then committed, Backspace.
const insertKeys = (keys) => async (cdp) => { for (const text of keys) await cdp.send("Input.insertText", { text }); };
const compose = (steps) => async (cdp) => {
  for (const text of steps) await cdp.send("Input.imeSetComposition", { text, selectionStart: text.length, selectionEnd: text.length });
  await cdp.send("Input.insertText", { text: steps.at(-1) });
};
const phoneTyping = [["Text2_0", insertKeys(["1", "2", ".", "5"]), "12.5"], ["Text2_1", compose(["-", "-7"]), "-7"],
  ["Text2_2", compose(["д", "да"]), "да"], ["Text2_2", (cdp, page) => page.keyboard.press("Backspace"), "д"]];
const phones = {
  android: { platform: "Linux armv8l", userAgent: "Mozilla/5.0 (Linux; Android 13; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/120.0 Mobile Safari/537.36" },
  iphone: { platform: "iPhone", userAgent: "Mozilla/5.0 (iPhone; CPU iPhone OS 17_0 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.0 Mobile/15E148 Safari/604.1" },
};

async function phoneKeyboard(browser, name) {
  const page = await open(browser, { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    "bg-BG", phones[name]);
  const place = await placeOf(page);
  const cdp = await page.target().createCDPSession();
  let tapped = null;
  for (const [field, send, text] of phoneTyping) {
    if (field !== tapped) await page.touchscreen.tap(...place.css(inputAt[(tapped = field)]));
    const focused = await page.evaluate(() => document.activeElement.tagName);
    await send(cdp, page);
    await stateWhen(page, (s) => s.fields[field] === text && s.focus === field,
      `${name}: ${field} tapped (page focus on ${focused}), the keyboard's text gives "${text}"`);
  }
  await page.close();
}

// The task's example through the accessibility tree alone, as a screen
// reader does it: focus each field's node, commit its text, press the
// button's node, read every result back from the tree and the live region.
async function screenReader(browser) {
  const page = await open(browser, { width: 1024, height: 768, deviceScaleFactor: 1 }, "en-US");
  const cdp = await page.target().createCDPSession();
  const tree = async () => (await cdp.send("Accessibility.getFullAXTree")).nodes.filter((n) => !n.ignored);
  let nodes = await tree();
  const node = (name) => nodes.find((n) => n.name?.value === name) || {};
  const example = { "Права 1: X1:": "1", "Права 1: Y1:": "15", "Права 1: X2:": "10", "Права 1: Y2:": "15",
    "Права 2: X1:": "5", "Права 2: Y1:": "1", "Права 2: X2:": "5", "Права 2: Y2:": "25" };
  const results = { "Права 1: A1:": "0.0000", "Права 1: B1:": "9.0000", "Права 1: C1:": "-135.0000",
    "Права 1: k1:": "0.0000", "Права 2: A2:": "-24.0000", "Права 2: B2:": "0.0000", "Права 2: C2:": "120.0000",
    "Права 2: k2:": "999.9999", "Координати на пресечна т. X:": "5.0000", "Координати на пресечна т. Y:": "15.0000" };
  const roles = ["Чертеж", "Изчисли", "Изчисти", "Права 1:", "Права 2:", "Координати на пресечна т.", "Задача и теория",
    ...Object.keys(example), ...Object.keys(results)].map((name) => `${node(name).role?.value}:${name}`);
  check(!roles.some((r) => r.startsWith("undefined")), `screen reader: every control in the tree ${roles.join(", ")}`);
  check(node("Чертеж").role?.value === "image" && node("Чертеж").description?.value,
    "screen reader: the canvas is an image with its description");
  // Qt's canvas, hidden from screen readers, must not take the focus even when a script gives it.
  await page.evaluate(() => document.getElementById("screen").focus());
  const unnamed = (await tree()).filter((n) => n.properties?.some((p) => p.name === "focusable" && p.value.value) && !n.name?.value);
  check(unnamed.length === 0, `screen reader: no focusable node without a name (${unnamed.map((n) => n.role?.value)})`);
  const status = nodes.find((n) => n.role?.value === "status");
  check(status?.properties?.some((p) => p.name === "live" && p.value.value === "polite"), "screen reader: a polite live region from the start");
  for (const [name, text] of Object.entries(example)) {
    if (node(name).backendDOMNodeId) await cdp.send("DOM.focus", { backendNodeId: node(name).backendDOMNodeId });
    await cdp.send("Input.insertText", { text });
  }
  const press = node("Изчисли").backendDOMNodeId;
  if (press) {
    const { object } = await cdp.send("DOM.resolveNode", { backendNodeId: press });
    await cdp.send("Runtime.callFunctionOn", { objectId: object.objectId, functionDeclaration: "function () { this.click(); }" });
  }
  const values = () => Object.keys(results).map((name) => node(name).value?.value);
  const said = () => {
    const region = nodes.find((n) => n.role?.value === "status");
    return nodes.filter((n) => n.role?.value === "StaticText" && region?.childIds?.includes(n.nodeId)).map((n) => n.name?.value).join("");
  };
  const crossing = "хикс е равно на 5, игрек е равно на 15";
  for (const deadline = Date.now() + 10000; (values().join() !== Object.values(results).join() || !said().includes(crossing))
    && Date.now() < deadline;) nodes = await tree();
  check(values().join() === Object.values(results).join(), `screen reader: results read from the tree ${values().join(" ")}`);
  // The explanation as the desktop's screen readers hear it: in words.
  const spoken = node("Координати на пресечна т. X:").description?.value || "";
  check(spoken.includes("делено на") && !/[·−/]/.test(spoken), `screen reader: X explained in words: "${spoken}"`);
  check(said().includes(crossing), `screen reader: the live region tells the crossing: "${said()}"`);
  await page.close();
}

// Installed from a folder of a school's server: the manifest, Chromium's
// verdict, a start with the network down after one visit, and a new build
// on the server taking over within two online visits.
async function installed(browser) {
  const root = mkdtempSync(join(tmpdir(), "vertisel-site-"));
  const folder = join(root, "maths", "vertisel");
  cpSync(site, folder, { recursive: true, filter: (f) => !f.endsWith("/cmake") });
  const local = await serve(root);
  const address = `${local.url}/maths/vertisel/index.html?expose-fields`;
  const page = await browser.newPage();
  const fetched = [];
  page.on("request", (r) => fetched.push(r.url()));
  await page.goto(address);
  await waitForFirstPaint(page);
  check(fetched.some((u) => u.endsWith("/vertisel.wasm.gz")) && !fetched.some((u) => u.endsWith("/vertisel.wasm")),
    "installed: the wasm travels packed");
  const cdp = await page.createCDPSession();
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  check(installabilityErrors.length === 0, `installed: Chromium finds it installable ${JSON.stringify(installabilityErrors)}`);
  const m = await page.evaluate(() => fetch("manifest.json").then((r) => r.json()).catch(() => ({})));
  const icons = (m.icons || []).map((i) => `${i.sizes} ${i.purpose || "any"}`).join(", ");
  check(m.name === title && m.short_name && m.lang === "bg" && m.display === "standalone"
    && m.theme_color === "#0a246a" && m.background_color === "#d8d8e8"
    && [m.start_url, m.scope].every((u) => u && !/^(\/|[a-z]+:)/.test(u))
    && icons === "192x192 any, 512x512 any, 512x512 maskable", `installed: manifest ${JSON.stringify(m)}`);
  const caches = () => page.evaluate(() => caches.keys());
  const settled = (what, ...args) => page.waitForFunction(what, { timeout: 20000, polling: 100 }, ...args)
    .then(() => true, () => false);
  await settled(() => navigator.serviceWorker?.getRegistration().then((r) => Boolean(r?.active)));
  const cached = await caches();

  local.offline = true;
  await page.setOfflineMode(true);
  await page.reload().catch(() => {});
  const started = await waitForFirstPaint(page, 20).then(() => true, () => false);
  check(started, "offline: the program starts");
  if (started) {
    const place = await placeOf(page);
    const example = { Text2_0: "1", Text2_1: "15", Text2_2: "10", Text2_3: "15",
      Text2_7: "5", Text2_8: "1", Text2_9: "5", Text2_10: "25" };
    for (const [field, text] of Object.entries(example)) {
      await page.mouse.click(...place.css(inputAt[field]));
      await page.keyboard.type(text);
    }
    await page.mouse.click(...place.css(calculate));
    await stateWhen(page, (s) => s.fields.Text2_14 === "5.0000" && s.fields.Text2_15 === "15.0000",
      "offline: the task's example crosses at 5.0000 15.0000");
  }

  // A new build: another page, and the worker the build writes for it.
  const index = join(folder, "index.html");
  writeFileSync(index, readFileSync(index, "utf8").replace("</body>", "<!-- the next build --></body>"));
  execFileSync("bash", ["-c", 'source scripts/lib/common.sh && source scripts/lib/web-site.sh && write_service_worker "$1"',
    "-", folder], { cwd: fileURLToPath(new URL("../..", import.meta.url)) });
  local.offline = false;
  await page.setOfflineMode(false);
  await page.goto(address);
  await waitForFirstPaint(page);
  await settled((old) => caches.keys().then((k) => k.length === 1 && k[0] !== old), cached[0]);
  await page.goto(address);
  await waitForFirstPaint(page);
  const now = await caches();
  const fresh = await page.evaluate(() => document.documentElement.innerHTML.includes("the next build")
    && navigator.serviceWorker.controller !== null);
  check(fresh && now.length === 1 && now[0] !== cached[0],
    `update: the second online visit runs the new build from a cache of its own (${cached} -> ${now})`);
  await page.close();
  local.close();
  rmSync(root, { recursive: true, force: true });
}

// The worked solution leaves the page: a copy puts its text on the page's
// clipboard, a save arrives as a download.
async function solutionOut(browser) {
  const page = await open(browser, { width: 1024, height: 768, deviceScaleFactor: 1 }, "en-US");
  await browser.defaultBrowserContext().overridePermissions(server.url,
    ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
  const downloads = mkdtempSync(join(tmpdir(), "vertisel-downloads-"));
  const cdp = await browser.target().createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  const place = await placeOf(page);
  const example = { Text2_0: "1", Text2_1: "15", Text2_2: "10", Text2_3: "15",
    Text2_7: "5", Text2_8: "1", Text2_9: "5", Text2_10: "25" };
  for (const [field, text] of Object.entries(example)) {
    await page.mouse.click(...place.css(inputAt[field]));
    await page.keyboard.type(text);
  }
  await page.mouse.click(...place.css(calculate));
  await stateWhen(page, (s) => s.fields.Text2_15 === "15.0000", "solution: the task's example calculated");
  const withKeys = async (keys, key) => {
    for (const k of keys) await page.keyboard.down(k);
    await page.keyboard.press(key);
    for (const k of keys.reverse()) await page.keyboard.up(k);
  };
  await withKeys(["Control", "Shift"], "KeyC");
  let copied = "";
  for (const deadline = Date.now() + 5000; !copied.includes("15.0000") && Date.now() < deadline;)
    copied = await page.evaluate(() => navigator.clipboard.readText().catch(() => ""));
  check(copied.includes("Пресечна точка на две прави") && copied.includes("T (5.0000; 15.0000)"),
    `solution: Ctrl+Shift+C puts the solution's text on the clipboard (${copied.length} characters)`);
  // Served over plain http from a school's server, the page has no clipboard API: the copy still arrives.
  await page.evaluate(() => {
    window.realClipboard = navigator.clipboard;
    Object.defineProperty(Navigator.prototype, "clipboard", { get: () => undefined, configurable: true });
    return window.realClipboard.writeText("");
  });
  await withKeys(["Control", "Shift"], "KeyC");
  copied = "";
  for (const deadline = Date.now() + 5000; !copied.includes("15.0000") && Date.now() < deadline;)
    copied = await page.evaluate(() => window.realClipboard.readText().catch(() => ""));
  check(copied.includes("T (5.0000; 15.0000)"),
    `solution: without the clipboard API Ctrl+Shift+C copies by the browser's command (${copied.length} characters)`);
  // Ctrl+S offers the formats; the first, HTML, is chosen by keys.
  await withKeys(["Control"], "KeyS");
  await new Promise((r) => setTimeout(r, 300));
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("Enter");
  const saved = join(downloads, "решение.html");
  let html = "";
  for (const deadline = Date.now() + 10000; !html && Date.now() < deadline; await new Promise((r) => setTimeout(r, 100)))
    try { html = readFileSync(saved, "utf8"); } catch { html = ""; }
  check(html.includes('<math xmlns="http://www.w3.org/1998/Math/MathML">') && html.includes("15.0000"),
    `solution: Ctrl+S, HTML arrives as a download (${html.length} bytes)`);
  await page.close();
  rmSync(downloads, { recursive: true, force: true });
}

const server = await serve(site);
const browser = await launchChromium();
try {
  await desktop(browser);
  await solutionOut(browser);
  await phone(browser);
  for (const name of Object.keys(phones)) await phoneKeyboard(browser, name);
  await screenReader(browser);
  await installed(browser);
} catch (error) {
  check(false, `stopped: ${error.stack || error}`);
} finally {
  await browser.close();
  server.close();
}
console.log(failures ? `${failures} checks failed` : "all browser checks passed");
process.exit(failures ? 1 : 0);
