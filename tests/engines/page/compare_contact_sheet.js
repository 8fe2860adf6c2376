// Compares regions of a screenshot of the contact sheet with the single pictures, each laid over
// the page's background. Both are decoded by the browser's own 2D canvas.
'use strict';

const PAGE_BACKGROUND = new Uint8ClampedArray([0xf0, 0xf0, 0xf0]);
const MAX_REPORTED = 5;

async function fetchBlob(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error('cannot fetch ' + url);
  return response.blob();
}

function canvasOf(image) {
  const canvas = new OffscreenCanvas(image.width, image.height);
  const context = canvas.getContext('2d', { willReadFrequently: true });
  context.drawImage(image, 0, 0);
  image.close();
  return context;
}

// Singles have alpha 0 or 255 only, so each pixel is either the page or the picture.
function firstDifference(shot, single) {
  const got = shot.data;
  const { data, width } = single;
  for (let i = 0; i < data.length; i += 4) {
    const alpha = data[i + 3];
    const want = alpha === 255 ? data : PAGE_BACKGROUND;
    const at = alpha === 255 ? i : 0;
    if ((alpha !== 0 && alpha !== 255) || got[i] !== want[at] || got[i + 1] !== want[at + 1] ||
        got[i + 2] !== want[at + 2]) {
      const pixel = i / 4;
      return `pixel ${pixel % width},${Math.floor(pixel / width)} is ` +
        `(${Array.from(got.subarray(i, i + 3))}) on the page, wanted ` +
        `(${Array.from(want.subarray(at, at + 3))}) from a single of alpha ${alpha}`;
    }
  }
  return null;
}

// shotUrl: the screenshot's PNG; bundleUrl: the singles' PNGs one after another, frames[i]'s
// from start to end; left and top place it on the page, in page pixels.
window.compareRegions = async function compareRegions(shotUrl, bundleUrl, frames) {
  const page = canvasOf(await createImageBitmap(await fetchBlob(shotUrl)));
  const bundle = await fetchBlob(bundleUrl);
  // Decoding all singles at once hides the wait for each.
  const singles = frames.map(({ start, end }) => {
    const decoding = createImageBitmap(bundle.slice(start, end, 'image/png'));
    decoding.catch(() => {});
    return decoding;
  });
  const result = { compared: 0, differing: 0, mismatches: [] };
  for (const [index, { key, left, top }] of frames.entries()) {
    let difference;
    try {
      const single = canvasOf(await singles[index]);
      const { width, height } = single.canvas;
      difference = firstDifference(page.getImageData(left, top, width, height),
        single.getImageData(0, 0, width, height));
    } catch (error) {
      difference = String(error.message || error);
    }
    result.compared += 1;
    if (difference) {
      result.differing += 1;
      if (result.mismatches.length < MAX_REPORTED) result.mismatches.push(`${key}: ${difference}`);
    }
  }
  return result;
};
