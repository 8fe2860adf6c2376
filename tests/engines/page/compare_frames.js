// Shared by both engine pages: reads the single pictures and compares them with what an engine
// read back, and gathers one result per atlas.
'use strict';

const MAX_REPORTED = 5;

// Decoded by the browser's own 2D canvas, independent of either engine.
const singleCanvas = document.createElement('canvas');
const singleContext = singleCanvas.getContext('2d', { willReadFrequently: true });

async function decodeSingle(key) {
  const url = '/singles/' + key.split('/').map(encodeURIComponent).join('/') + '.png';
  const response = await fetch(url);
  if (!response.ok) throw new Error('no single picture at ' + url);
  return createImageBitmap(await response.blob());
}

async function pixelsOfSingle(decoding) {
  const image = await decoding;
  const { width, height } = image;
  singleCanvas.width = width;
  singleCanvas.height = height;
  singleContext.drawImage(image, 0, 0);
  image.close();
  return singleContext.getImageData(0, 0, width, height);
}

// Engines keep premultiplied alpha, so the colour of a transparent pixel is lost and only its
// alpha counts; an opaque pixel must come back exactly.
function firstDifference(got, want) {
  if (got.width !== want.width || got.height !== want.height) {
    return `size ${got.width}x${got.height}, single is ${want.width}x${want.height}`;
  }
  for (let i = 0; i < want.data.length; i += 4) {
    const alpha = want.data[i + 3];
    const same = got.data[i + 3] === alpha && (alpha !== 255 ||
      (got.data[i] === want.data[i] && got.data[i + 1] === want.data[i + 1] &&
       got.data[i + 2] === want.data[i + 2]));
    if (!same) {
      const pixel = i / 4;
      const rgba = (data) => `(${Array.from(data.subarray(i, i + 4)).join(',')})`;
      return `pixel ${pixel % want.width},${Math.floor(pixel / want.width)} ` +
        `is ${rgba(got.data)}, single has ${rgba(want.data)}`;
    }
  }
  return null;
}

async function fetchAtlas(name) {
  const response = await fetch('/sheets/' + encodeURIComponent(name));
  if (!response.ok) throw new Error('cannot fetch ' + name);
  return response.json();
}

// readFrame(key) returns {width, height, data} of the frame as the engine holds it.
async function compareAtlas(name, expectedKeys, loadedKeys, readFrame) {
  const result = { atlas: name, frames: expectedKeys.length, loaded: loadedKeys.length,
    loadedKeys, checked: 0, missing: [], mismatches: [], mismatchCount: 0 };
  const loaded = new Set(loadedKeys);
  // Fetching and decoding all singles at once hides the wait for each; failures are kept for
  // the frame they belong to.
  const singles = new Map(expectedKeys.map((key) => {
    const decoding = decodeSingle(key);
    decoding.catch(() => {});
    return [key, decoding];
  }));
  for (const key of expectedKeys) {
    if (!loaded.has(key)) {
      result.missing.push(key);
      continue;
    }
    let difference;
    try {
      difference = firstDifference(await readFrame(key), await pixelsOfSingle(singles.get(key)));
    } catch (error) {
      difference = String(error.message || error);
    }
    result.checked += 1;
    if (difference) {
      result.mismatchCount += 1;
      if (result.mismatches.length < MAX_REPORTED) result.mismatches.push(`${key}: ${difference}`);
    }
  }
  return result;
}
