// Lists the atlases of a sheets folder and the single pictures that should each be one of their
// frames.
import path from 'node:path';
import { readdir } from 'node:fs/promises';

export async function atlasNames(sheetsDir) {
  return (await readdir(sheetsDir)).filter((name) => name.endsWith('.json')).sort();
}

// A single picture's key is its path under the folder without ".png".
export async function singleKeys(singlesDir) {
  const entries = await readdir(singlesDir, { recursive: true, withFileTypes: true });
  return entries.filter((entry) => entry.isFile() && entry.name.endsWith('.png'))
    .map((entry) => path.relative(singlesDir, path.join(entry.parentPath ?? entry.path, entry.name)))
    .map((file) => file.slice(0, -'.png'.length).split(path.sep).join('/'))
    .sort();
}

// Single pictures by frame key, each with its path under the folder. Export writes a list of
// one gender and colour one folder deeper (armor/female-3/007.png for armor-female-3/007).
export async function singlePictureFiles(singlesDir) {
  const files = new Map();
  for (const file of await singleKeys(singlesDir)) {
    const parts = file.split('/');
    const key = parts.length === 3 ? `${parts[0]}-${parts[1]}/${parts[2]}` : file;
    files.set(key, `${file}.png`);
  }
  return files;
}
