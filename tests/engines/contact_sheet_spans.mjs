// Ties each picture of the contact sheet to the atlas frame it should show, by its sheet and
// the item number of its caption, and finds where the page disagrees with the atlases.
import path from 'node:path';
import { readFile } from 'node:fs/promises';
import { atlasNames } from './sheet_files.mjs';

// Atlases by the file name of the sheet each describes.
export async function atlasesBySheet(sheetsDir) {
  const atlases = new Map();
  for (const name of await atlasNames(sheetsDir)) {
    const atlas = JSON.parse(await readFile(path.join(sheetsDir, name), 'utf8'));
    atlases.set(atlas.meta.image, { name, frames: atlas.frames });
  }
  return atlases;
}

function rectText({ x, y, w, h }) {
  return `${w}x${h} at ${x},${y}`;
}

// The item number starts the caption ("012 label"); within a sheet it names one frame.
function frameKeyFor(atlas, caption) {
  const number = /^(\d+) /.exec(caption ?? '')?.[1];
  if (!number) return null;
  return Object.keys(atlas.frames).find((key) => key.endsWith(`/${number}`)) ?? null;
}

// spans: what the page read ({sheet, x, y, left, top, width, height, caption}).
// Returns the frames to compare pixel by pixel and the disagreements found without pixels.
export function matchSpans(spans, atlases) {
  const problems = [];
  const shown = new Map();
  for (const span of spans) {
    const atlas = atlases.get(span.sheet);
    const key = atlas && frameKeyFor(atlas, span.caption);
    if (!key) {
      problems.push(`"${span.caption}" shows ${span.sheet}, where no atlas frame has its number`);
      continue;
    }
    if (shown.has(key)) problems.push(`${key} is shown twice`);
    const drawn = { x: span.x, y: span.y, w: span.width, h: span.height };
    const { frame } = atlas.frames[key];
    if (rectText(drawn) !== rectText(frame)) {
      problems.push(`${key}: the page shows ${rectText(drawn)} of ${span.sheet}, ` +
        `the atlas has ${rectText(frame)}`);
    }
    shown.set(key, { key, left: Math.round(span.left), top: Math.round(span.top) });
  }
  for (const atlas of atlases.values()) {
    for (const key of Object.keys(atlas.frames)) {
      if (!shown.has(key)) problems.push(`${key} of ${atlas.name} is on no picture of the page`);
    }
  }
  return { shown: [...shown.values()], problems };
}
