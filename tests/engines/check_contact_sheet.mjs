// Opens the index.html of a sheets folder in headless Chromium and checks that every picture on
// it, as the browser draws it, equals the item's single picture laid over the page background,
// and that each sheet was fetched once for all its pictures.
//   node check_contact_sheet.mjs SHEETS_DIR SINGLES_DIR
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import os from 'node:os';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { startServer } from './static_server.mjs';
import { singlePictureFiles } from './sheet_files.mjs';
import { atlasesBySheet, matchSpans } from './contact_sheet_spans.mjs';
import { launchBrowser, inTab } from './browser.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const MAX_REPORTED = 5;

// Runs in the contact sheet: each picture's sheet, offset into it, place on the page, caption.
function readSpans() {
  return [...document.querySelectorAll('span[role=img]')].map((span) => {
    const style = getComputedStyle(span);
    const rect = span.getBoundingClientRect();
    const url = /^url\("(.*)"\)$/.exec(style.backgroundImage)?.[1] ?? '';
    return {
      sheet: decodeURIComponent(new URL(url, location.href).pathname.split('/').pop()),
      x: -parseFloat(style.backgroundPositionX), y: -parseFloat(style.backgroundPositionY),
      left: rect.left + scrollX, top: rect.top + scrollY, width: rect.width, height: rect.height,
      caption: span.nextElementSibling?.textContent ?? '',
    };
  });
}

// One request, answered, per sheet: the pictures share it instead of each fetching their own.
function requestProblems(served, atlases) {
  const problems = [];
  for (const sheet of atlases.keys()) {
    const answers = served.get(`/sheets/${sheet}`) ?? [];
    if (answers.length !== 1 || answers[0] !== 200) {
      problems.push(`${sheet}: ${answers.length} requests (answered ` +
        `${answers.join(', ') || '-'}), wanted exactly one answered 200`);
    }
  }
  return problems;
}

// The frames the page shows, each with where its single picture lies in one file of them all:
// a thousand small requests, or passing them as arguments, would take longer than the check.
async function framesWithSingles(shown, singles, singlesDir, bundle, problems) {
  const keys = new Set(shown.map(({ key }) => key));
  for (const key of singles.keys()) {
    if (!keys.has(key)) problems.push(`single ${key} is on no picture of the page`);
  }
  const frames = [];
  const pictures = [];
  let end = 0;
  for (const frame of shown) {
    if (!singles.has(frame.key)) {
      problems.push(`${frame.key} has no single picture`);
      continue;
    }
    const bytes = await readFile(path.join(singlesDir, singles.get(frame.key)));
    pictures.push(bytes);
    frames.push({ ...frame, start: end, end: end + bytes.length });
    end += bytes.length;
  }
  await writeFile(bundle, Buffer.concat(pictures));
  return frames;
}

function report(pictures, atlases, problems, compared) {
  const frameCount = [...atlases.values()]
    .reduce((sum, atlas) => sum + Object.keys(atlas.frames).length, 0);
  if (pictures !== frameCount) {
    problems.push(`${pictures} pictures on the page, ${frameCount} frames in the atlases`);
  }
  for (const line of [...problems, ...compared.mismatches].slice(0, 2 * MAX_REPORTED)) {
    console.log(`  ${line}`);
  }
  const ok = problems.length === 0 && compared.differing === 0;
  console.log(`${ok ? 'PASS' : 'FAIL'} contact sheet: ${pictures} pictures from ${atlases.size} ` +
    `sheets, ${compared.compared - compared.differing} of ${frameCount} frames match their ` +
    `single pictures, ${problems.length} other problems`);
  return ok;
}

async function main([sheetsDir, singlesDir]) {
  const atlases = await atlasesBySheet(sheetsDir);
  if (atlases.size === 0) throw new Error(`no *.json atlas in ${sheetsDir}`);
  const singles = await singlePictureFiles(singlesDir);
  const work = await mkdtemp(path.join(os.tmpdir(), 'contact-sheet-'));
  const served = new Map();
  const { server, origin } = await startServer({ page: path.join(here, 'page'), sheets: sheetsDir,
    work }, (urlPath, status) => served.set(urlPath, [...(served.get(urlPath) ?? []), status]));
  const browser = await launchBrowser();
  try {
    return await inTab(browser, `${origin}/sheets/index.html`, async (tab) => {
      const spans = await tab.evaluate(readSpans);
      await tab.screenshot({ fullPage: true, path: path.join(work, 'shot.png') });
      const { shown, problems } = matchSpans(spans, atlases);
      problems.push(...requestProblems(served, atlases));
      const frames = await framesWithSingles(shown, singles, singlesDir,
        path.join(work, 'singles.bin'), problems);
      // Added only now, so that the screenshot is of the contact sheet alone.
      await tab.addScriptTag({ url: '/page/compare_contact_sheet.js' });
      const compared = await tab.evaluate((list) =>
        window.compareRegions('/work/shot.png', '/work/singles.bin', list), frames);
      return report(spans.length, atlases, problems, compared);
    }, { deviceScaleFactor: 1 });
  } finally {
    await browser.close();
    server.close();
    await rm(work, { recursive: true, force: true });
  }
}

main(process.argv.slice(2).map((dir) => path.resolve(dir))).then(
  (ok) => process.exit(ok ? 0 : 1),
  (error) => { console.error(`check_contact_sheet: ${error.message}`); process.exit(2); });
