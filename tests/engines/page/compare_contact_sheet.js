// Compares regions of a screenshot of the contact sheet with the single pictures, each laid over
// the page's background. Both are decoded by the browser's own 2D canvas.
'use strict';

const PAGE_BACKGROUND = new Uint8ClampedArray([0xf0, 0xf0, 0xf0]);
const MAX_REPORTED = 5;

function decodePng(base64) {
  const bytes = Uint8Array.from(atob(base64), (char) => char.charCodeAt(0));
  return createImageBitmap(new Blob([bytes], { type: 'image/png' }));
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

// shot: a PNG in base64; frames: [{key, single, left, top}], single a PNG in base64 too, and
// left/top in page pixels.
window.compareRegions = async function compareRegions(shot, frames) {
  const page = canvasOf(await decodePng(shot));
  // Decoding all singles at once hides the wait for each.
  const singles = frames.map(({ single }) => {
    const decoding = decodePng(single);
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
