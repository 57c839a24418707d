'use strict';
// Shows the page in the language the program's settings name, else the
// browser's. The scripts build their texts with t(); every text node or
// label that is one of the source texts whole (index.html's) is swapped for
// its translation, now and whenever it changes.

let pageTexts = {};          // source text: shown text, as the program sends them
let textsAsked = null;       // the request for them, kept once it has been answered
const textsWaitMs = 3000;    // drawn in the source texts rather than wait longer
const textLabels = ['aria-label', 'title'];

// The translation of source, each %1..%9 replaced by that argument in one
// pass, so that a name holding "%2" is shown as it is.
function t(source, ...args) {
  const shown = Object.hasOwn(pageTexts, source) ? pageTexts[source] : source;
  return shown.replace(/%([1-9])/g, (marker, n) => (Number(n) <= args.length ? String(args[n - 1]) : marker));
}

function translateNode(node) {
  if (node.nodeType === Node.TEXT_NODE) {
    // index.html breaks long texts over lines; the sources have single spaces.
    const [, before, text, after] = /^(\s*)([\s\S]*?)(\s*)$/.exec(node.data);
    const source = text.replace(/\s+/g, ' ');
    const shown = Object.hasOwn(pageTexts, source) ? pageTexts[source] : undefined;
    if (shown !== undefined && shown !== text) node.data = before + shown + after;
    return;
  }
  if (node.nodeType !== Node.ELEMENT_NODE || node.closest('pre, code, .caption')) return;
  for (const name of textLabels) {
    const value = node.getAttribute(name);
    if (value !== null && Object.hasOwn(pageTexts, value) && pageTexts[value] !== value) {
      node.setAttribute(name, pageTexts[value]);
    }
  }
  node.childNodes.forEach(translateNode);
}

// Whether the program answered; "" as its language keeps the source texts.
async function askForTexts(key) {
  let reply;
  try {
    const response = await fetch('/api/v1/texts', { headers: { Authorization: 'Bearer ' + key } });
    if (!response.ok) return false;
    reply = await response.json();
  } catch (unreachableOrNotJson) {
    return false;
  }
  if (typeof reply.language !== 'string' || typeof reply.texts !== 'object' || reply.texts === null) return false;
  if (!reply.language) return true;
  pageTexts = reply.texts;
  document.documentElement.lang = reply.language;
  translateNode(document.body);
  new MutationObserver((changes) => {
    for (const change of changes) {
      if (change.type === 'characterData' || change.type === 'attributes') translateNode(change.target);
      else change.addedNodes.forEach(translateNode);
    }
  }).observe(document.body, { subtree: true, childList: true, characterData: true, attributes: true, attributeFilter: textLabels });
  return true;
}

// Settles once the texts are in, or after textsWaitMs; until the program
// has answered, each call asks again.
function textsLoaded(key) {
  if (!textsAsked) {
    textsAsked = askForTexts(key).then((answered) => {
      if (!answered) textsAsked = null;
    });
  }
  return Promise.race([textsAsked, new Promise((resolve) => setTimeout(resolve, textsWaitMs))]);
}
