// Loads each atlas through PixiJS's spritesheet loader and reads every frame back from the GPU
// by rendering a sprite of its texture, as a game would draw it.
'use strict';

async function pixiRenderer() {
  const renderer = await PIXI.autoDetectRenderer({
    preference: 'webgl', width: 1, height: 1, backgroundAlpha: 0, antialias: false,
  });
  // Opaque colours must read back unchanged, whatever the sampler would blend.
  PIXI.TextureSource.defaultOptions.scaleMode = 'nearest';
  return renderer;
}

function pixelsOf(renderer, texture) {
  const sprite = new PIXI.Sprite(texture);
  const { pixels, width, height } = renderer.extract.pixels(sprite);
  sprite.destroy();
  return { width, height, data: pixels };
}

window.checkAtlases = async function checkAtlases(names) {
  const renderer = await pixiRenderer();
  const results = [];
  for (const name of names) {
    try {
      const atlas = await fetchAtlas(name);
      const sheet = await PIXI.Assets.load('/sheets/' + encodeURIComponent(name));
      if (!sheet || !sheet.textures) throw new Error('PixiJS did not load it as a spritesheet');
      results.push(await compareAtlas(name, Object.keys(atlas.frames),
        Object.keys(sheet.textures), async (key) => pixelsOf(renderer, sheet.textures[key])));
    } catch (error) {
      results.push({ atlas: name, error: String(error.message || error) });
    }
  }
  return { engine: 'PixiJS ' + PIXI.VERSION + ' (' + renderer.name + ')', results };
};
