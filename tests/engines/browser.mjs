// Starts Debian's Chromium through playwright-core and runs work in a tab, turning the page's
// own errors into the failure's message.
import { chromium } from 'playwright-core';

export function launchBrowser(args = []) {
  return chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args });
}

// work(tab) runs once the tab has loaded url; the tab is closed afterwards whatever happens.
export async function inTab(browser, url, work, tabOptions = {}) {
  const tab = await browser.newPage(tabOptions);
  const problems = [];
  tab.on('pageerror', (error) => problems.push(error.message));
  tab.on('console', (message) => {
    if (message.type() === 'error') problems.push(message.text());
  });
  try {
    await tab.goto(url);
    return await work(tab);
  } catch (error) {
    const details = problems.length ? `\n  page said: ${problems.join('\n  page said: ')}` : '';
    throw new Error(`${new URL(url).pathname} failed: ${error.message}${details}`);
  } finally {
    await tab.close();
  }
}
