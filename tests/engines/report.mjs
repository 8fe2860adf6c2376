// Turns what an engine page found into lines for the log; says whether every frame matched.

function listed(keys) {
  return keys.slice(0, 5).join(', ') + (keys.length > 5 ? ` and ${keys.length - 5} more` : '');
}

function atlasLines(engine, result) {
  if (result.error) return [`${engine} ${result.atlas}: ERROR ${result.error}`];
  const lines = [`${engine} ${result.atlas}: ${result.checked} of ${result.frames} frames ` +
    `checked, ${result.mismatchCount} differ, ${result.loaded} loaded by the engine`];
  if (result.missing.length) lines.push(`  not loaded by the engine: ${listed(result.missing)}`);
  if (result.loaded !== result.frames) {
    lines.push(`  the engine holds ${result.loaded} frames, the atlas lists ${result.frames}`);
  }
  for (const mismatch of result.mismatches) lines.push(`  ${mismatch}`);
  return lines;
}

function passed(result) {
  return !result.error && result.missing.length === 0 && result.mismatchCount === 0 &&
    result.loaded === result.frames;
}

// Returns true when every frame of every atlas matched its single picture and every single
// picture is a frame the engine loaded (one that is in no atlas was left out of the sheets).
export function reportEngine({ engine, results }, singles, log) {
  for (const result of results) for (const line of atlasLines(engine, result)) log(line);
  const loaded = new Set(results.flatMap((result) => result.loadedKeys ?? []));
  const absent = singles.filter((key) => !loaded.has(key));
  if (absent.length) {
    log(`${engine}: ${absent.length} of ${singles.length} single pictures are in no loaded ` +
      `atlas: ${listed(absent)}`);
  }
  const frames = results.reduce((sum, r) => sum + (r.frames ?? 0), 0);
  const good = results.reduce((sum, r) => sum + (r.error ? 0 : r.checked - r.mismatchCount), 0);
  const ok = results.length > 0 && results.every(passed) && absent.length === 0;
  log(`${ok ? 'PASS' : 'FAIL'} ${engine}: ${results.length} atlases, ${good} of ${frames} ` +
    `frames match their single pictures, ${singles.length - absent.length} of ` +
    `${singles.length} single pictures loaded`);
  return ok;
}
