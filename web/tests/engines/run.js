// Runs the engine-neutral scenarios in one engine against the built site:
//   node tests/engines/run.js firefox|webkit [SITE_DIR [WORDS]]
// WORDS picks the scenarios whose name holds them.
// Every scenario fails on a console error or warning of any page it opened. Prints one line a
// scenario and ends with status 1 when any failed. WebKit needs DISPLAY set (an X server).
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { serveSite, siteBytes } = require('./site');

const ROOT = path.join(__dirname, '..', '..', '..');
const ENGINES = { firefox: () => new (require('./firefox').Firefox)(), webkit: () => new (require('./webkit').WebKit)() };
const SCENARIOS = [...require('./visit').scenarios, ...require('./play').scenarios];
const TIMEOUT = 90_000; // a whole game on a busy machine

async function main() {
  const [name, site = path.join(ROOT, 'build', 'web', 'site'), words = ''] = process.argv.slice(2);
  const scenarios = SCENARIOS.filter((scenario) => scenario.name.includes(words));
  if (!ENGINES[name]) throw new Error(`usage: run.js ${Object.keys(ENGINES).join('|')} [SITE_DIR]`);
  const root = path.resolve(site);
  const layout = JSON.parse(fs.readFileSync(path.join(root, '..', 'layout.json'), 'utf8'));
  const server = await serveSite(root);
  const engine = ENGINES[name]();
  const env = {
    engine,
    server,
    layout,
    url: `${server.origin}/`,
    siteBytes: await siteBytes(root),
    drawnDir: path.join(ROOT, 'build', 'drawn'),
  };
  let failed = 0;
  try {
    await engine.start();
    for (const scenario of scenarios) {
      const began = Date.now();
      const sessions = [];
      const notes = [];
      const open = async (options) => {
        const session = await engine.newSession(options);
        sessions.push(session);
        return session;
      };
      let error = null;
      try {
        let timer;
        await Promise.race([
          scenario.run({ ...env, open, note: (text) => notes.push(text) }),
          new Promise((_, reject) => (timer = setTimeout(() => reject(new Error(`timed out after ${TIMEOUT} ms`)), TIMEOUT))),
        ]).finally(() => clearTimeout(timer));
        const problems = sessions.flatMap((s) => s.problems);
        if (problems.length) throw new Error(`console errors or warnings:\n    ${problems.join('\n    ')}`);
      } catch (caught) {
        error = caught;
      }
      for (const session of sessions) await session.close().catch(() => {}); // closed already, or broken
      const time = `${((Date.now() - began) / 1000).toFixed(1)} s`;
      if (error) {
        failed += 1;
        console.log(`  FAIL ${name}: ${scenario.name} (${time})\n    ${error.stack ?? error}`);
      } else {
        console.log(`  ok   ${name}: ${scenario.name} (${time})`);
      }
      for (const text of notes) console.log(`       note: ${text}`);
    }
  } finally {
    await engine.stop();
    server.close();
    server.closeAllConnections();
  }
  console.log(`${name}: ${scenarios.length - failed} of ${scenarios.length} scenarios passed`);
  return failed ? 1 : 0;
}

main().then(
  (status) => process.exit(status),
  (error) => {
    console.error(error);
    process.exit(1);
  },
);
