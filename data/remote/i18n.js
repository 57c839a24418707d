'use strict';
// Shows the page in the language the program's settings name, else the
// browser's: every text node or label that is one of the source texts whole
// is swapped for its translation, now and whenever the scripts change it.
(() => {
  let texts = {};
  const labels = ['aria-label', 'title'];

  function translateNode(node) {
    if (node.nodeType === Node.TEXT_NODE) {
      const source = node.data.trim();
      const shown = Object.hasOwn(texts, source) ? texts[source] : undefined;
      if (shown !== undefined && shown !== source) node.data = node.data.replace(source, shown);
      return;
    }
    if (node.nodeType !== Node.ELEMENT_NODE || node.closest('pre, code, .caption')) return;
    for (const name of labels) {
      const value = node.getAttribute(name);
      if (value !== null && Object.hasOwn(texts, value) && texts[value] !== value) node.setAttribute(name, texts[value]);
    }
    node.childNodes.forEach(translateNode);
  }

  async function load() {
    // app.js has read the key from the address or kept it.
    if (typeof key !== 'string' || !key) return;
    let reply;
    try {
      const response = await fetch('/api/v1/texts', { headers: { Authorization: 'Bearer ' + key } });
      if (!response.ok) return;
      reply = await response.json();
    } catch (unreachable) {
      return;
    }
    if (!reply.language || typeof reply.texts !== 'object') return;
    texts = reply.texts;
    document.documentElement.lang = reply.language;
    translateNode(document.body);
    new MutationObserver((changes) => {
      for (const change of changes) {
        if (change.type === 'characterData') translateNode(change.target);
        else if (change.type === 'attributes') translateNode(change.target);
        else change.addedNodes.forEach(translateNode);
      }
    }).observe(document.body, { subtree: true, childList: true, characterData: true, attributes: true, attributeFilter: labels });
  }

  document.addEventListener('DOMContentLoaded', load);
})();
