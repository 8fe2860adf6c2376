// Loads every atlas of a sheets folder in PixiJS and in Phaser inside headless Chromium and
// compares each frame's pixels with its single picture.
//   node check_sheets.mjs SHEETS_DIR SINGLES_DIR
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { startServer } from './static_server.mjs';
import { atlasNames, singleKeys } from './sheet_files.mjs';
import { reportEngine } from './report.mjs';
import { launchBrowser, inTab } from './browser.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const PAGES = ['pixi.html', 'phaser.html'];

async function main([sheetsDir, singlesDir]) {
  const names = await atlasNames(sheetsDir);
  if (names.length === 0) throw new Error(`no *.json atlas in ${sheetsDir}`);
  const singles = await singleKeys(singlesDir);
  const { server, origin } = await startServer({ page: path.join(here, 'page'),
    modules: path.join(here, 'node_modules'), sheets: sheetsDir, singles: singlesDir });
  // SwiftShader gives PixiJS a WebGL context on machines without a GPU.
  const browser = await launchBrowser(['--use-angle=swiftshader', '--enable-unsafe-swiftshader']);
  let ok = true;
  try {
    for (const page of PAGES) {
      const found = await inTab(browser, `${origin}/page/${page}`,
        (tab) => tab.evaluate((atlases) => window.checkAtlases(atlases), names));
      ok = reportEngine(found, singles, console.log) && ok;
    }
  } finally {
    await browser.close();
    server.close();
  }
  return ok;
}

main(process.argv.slice(2).map((dir) => path.resolve(dir))).then(
  (ok) => process.exit(ok ? 0 : 1),
  (error) => { console.error(`check_sheets: ${error.message}`); process.exit(2); });
