// Loads every atlas with Phaser's loader and reads each frame back by drawing it, through
// Phaser's frame data, onto a canvas texture.
'use strict';

const PROBE = '__frame_probe';

function readFrame(scene, textureKey, key) {
  const frame = scene.textures.getFrame(textureKey, key);
  const width = frame.cutWidth;
  const height = frame.cutHeight;
  // One canvas serves every frame; it only grows, so it is made again for a larger frame.
  let probe = scene.textures.exists(PROBE) ? scene.textures.get(PROBE) : null;
  if (!probe || probe.width < width || probe.height < height) {
    if (probe) scene.textures.remove(PROBE);
    probe = scene.textures.createCanvas(PROBE, Math.max(width, probe?.width ?? 1),
      Math.max(height, probe?.height ?? 1));
  }
  probe.clear();
  probe.drawFrame(textureKey, key, 0, 0);
  return probe.getData(0, 0, width, height);
}

async function compareLoaded(scene, atlases, failed) {
  const results = [];
  for (const [name, atlas] of atlases) {
    if (failed.has(name)) {
      results.push({ atlas: name, error: 'Phaser could not load ' + failed.get(name) });
      continue;
    }
    try {
      const loadedKeys = scene.textures.get(name).getFrameNames();
      results.push(await compareAtlas(name, Object.keys(atlas.frames), loadedKeys,
        async (key) => readFrame(scene, name, key)));
    } catch (error) {
      results.push({ atlas: name, error: String(error.message || error) });
    }
  }
  return results;
}

window.checkAtlases = async function checkAtlases(names) {
  // The atlas names its picture; Phaser's loader wants both addresses up front.
  const atlases = new Map();
  for (const name of names) atlases.set(name, await fetchAtlas(name));
  return new Promise((resolve) => {
    const failed = new Map();
    const scene = {
      preload() {
        this.load.on('loaderror', (file) => failed.set(file.key, file.src));
        for (const [name, atlas] of atlases) {
          this.load.atlas(name, '/sheets/' + encodeURIComponent(atlas.meta.image),
            '/sheets/' + encodeURIComponent(name));
        }
      },
      create() {
        compareLoaded(this, atlases, failed).then((results) => resolve({
          engine: 'Phaser ' + Phaser.VERSION + ' (canvas)', results }));
      },
    };
    new Phaser.Game({ type: Phaser.CANVAS, width: 1, height: 1, transparent: true,
      banner: false, audio: { noAudio: true }, scene });
  });
};
