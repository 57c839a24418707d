'use strict';
// Lampotron's remote: the JSON API for commands, the live channel for the
// lamps and the state. The key comes once in the address (#key=...) and is
// kept in this browser, so that it stays out of the address bar and history.

const keyName = 'lampotron.key';
const byId = (id) => document.getElementById(id);
const speedStep = 50;

let key = null;
let shown = null;            // the last state the program sent
let selection = [];          // the effects as ticked here: {name, ticked, repeats}
let live = null;
let retryMs = 1000;
let retry = null;
let speedHeld = false;       // the slider is being dragged: the program's value waits
let silence = null;
// The program sends the state at least every 5 s; quiet for longer, it is gone.
const silentMs = 12000;

function takeKey() {
  const found = /(?:^#|&)key=([0-9a-fA-F]+)/.exec(location.hash);
  try {
    if (found) localStorage.setItem(keyName, found[1]);
    key = localStorage.getItem(keyName);
  } catch (storageRefused) {
    key = found ? found[1] : null;
  }
  if (found) history.replaceState(null, '', location.pathname + location.search);
}

function forgetKey(reason) {
  try { localStorage.removeItem(keyName); } catch (storageRefused) { /* nothing kept */ }
  key = null;
  clearTimeout(retry);
  if (live) live.close();
  byId('remote').hidden = true;
  byId('nokey').hidden = false;
  setLink(t('no key'));
  if (reason) showError(reason);
}

function showError(text) {
  const line = byId('error');
  line.textContent = text;
  line.hidden = false;
}

// Lamps grey and controls off while the program does not answer; on again
// with the first state it sends.
function showOffline(offline) {
  document.body.classList.toggle('offline', offline);
  byId('lamps').setAttribute('aria-label', offline ? t('The eight lamps: unknown, Lampotron does not answer') : t('The eight lamps'));
  for (const control of byId('remote').querySelectorAll('button, input, select')) control.disabled = offline;
  if (!offline && shown) showState(shown);
}

function clearError() {
  byId('error').hidden = true;
}

function setLink(text, ok) {
  const link = byId('link');
  link.textContent = text;
  link.classList.toggle('ok', Boolean(ok));
}

// One request; answers the reply, or throws an Error saying what went wrong.
async function api(method, path, body) {
  const options = { method, headers: { Authorization: 'Bearer ' + key } };
  if (body !== undefined) {
    options.headers['Content-Type'] = 'application/json';
    options.body = JSON.stringify(body);
  }
  let response;
  try {
    response = await fetch('/api/v1/' + path, options);
  } catch (unreachable) {
    showOffline(true);
    throw new Error(t('Lampotron does not answer. Is it still running, and is this device on its network?'));
  }
  const reply = await response.json().catch(() => ({}));
  if (response.status === 401) forgetKey();
  if (!response.ok) {
    const refused = new Error(reply.error || t('Lampotron answered %1 %2.', response.status, response.statusText));
    refused.status = response.status;
    throw refused;
  }
  return reply;
}

// A command that answers the state: shows it, or says why it failed.
async function command(method, path, body) {
  try {
    showState(await api(method, path, body));
    clearError();
    return true;
  } catch (failure) {
    showError(failure.message);
    return false;
  }
}

function showLamps(row) {
  const lamps = byId('lamps');
  lamps.dataset.row = row;
  [...lamps.children].forEach((lamp, i) => {
    const on = row[i] === '1';
    lamp.classList.toggle('on', on);
    lamp.setAttribute('aria-label', on ? t('Lamp %1: on', i + 1) : t('Lamp %1: off', i + 1));
  });
}

function describePlayback(state) {
  if (state.following) {
    if (!state.running) return t('stopped; follows %1', state.following);
    return state.noDataSince ? t('following %1; no data since %2', state.following, state.noDataSince)
      : t('following %1', state.following);
  }
  if (!state.running) return t('stopped; the scheme has %1 rows', state.rows);
  const alone = state.effect ? t(state.effect) : state.pattern;
  if (state.paused) return alone ? t('paused: “%1” alone', alone) : t('paused: the scheme, %1 rows', state.rows);
  return alone ? t('playing: “%1” alone', alone) : t('playing: the scheme, %1 rows', state.rows);
}

function showState(state) {
  const rowsChanged = shown && shown.rows !== state.rows;
  shown = state;
  if (document.body.classList.contains('offline')) {
    showOffline(false);
    return;
  }
  byId('playback').textContent = describePlayback(state);
  byId('start').disabled = state.running;
  byId('stop').disabled = !state.running;
  byId('pause').disabled = !state.running;
  byId('pause').setAttribute('aria-pressed', String(state.running && state.paused));
  byId('scheme').hidden = !state.effect && !state.pattern;
  if (!speedHeld) showSpeed(state.speed);
  byId('output').textContent = state.output;
  byId('outputState').textContent = state.outputState;
  byId('outputState').className = 'output-' + state.outputState;
  byId('outputProblem').textContent = state.outputProblem;
  byId('outputProblem').hidden = !state.outputProblem;
  byId('open').disabled = state.outputState === 'open';
  chooseShownOutput(state.output);
  showLamps(state.lamps);
  showSelection();
  if (rowsChanged) loadEffects();
}

function showSpeed(speed) {
  byId('speed').value = speed;
  byId('speedValue').textContent = speed + ' ms';
}

function setSpeed(speed) {
  const bounded = Math.min(1000, Math.max(50, speed));
  showSpeed(bounded);
  return command('PUT', 'speed', { speed: bounded });
}

// The list comes from the program; the current output is there even when it
// was not found now, as in the window's tray menu.
async function loadOutputs() {
  let found;
  try {
    found = (await api('GET', 'outputs')).outputs;
  } catch (failure) {
    showError(failure.message);
    return;
  }
  const list = byId('outputs');
  list.replaceChildren(...found.map((output) => {
    const text = `${output.setting} — ${output.description}` + (output.problem ? ` (${output.problem})` : '');
    return new Option(text, output.setting);
  }));
  if (shown) chooseShownOutput(shown.output);
}

function describeChosenOutput() {
  const chosen = byId('outputs').selectedOptions[0];
  byId('outputDescription').textContent = chosen ? chosen.textContent : '';
}

function chooseShownOutput(output) {
  const list = byId('outputs');
  if (![...list.options].some((option) => option.value === output)) {
    list.prepend(new Option(t('%1 — not found now', output), output));
  }
  list.value = output;
  describeChosenOutput();
}

function effectRow(effect, index) {
  const row = document.createElement('li');
  const name = document.createElement('label');
  const tick = document.createElement('input');
  tick.type = 'checkbox';
  name.append(tick, effect.name);
  const repeats = document.createElement('span');
  repeats.className = 'repeats';
  const shownName = t(effect.name);  // the page's texts hold each effect's name too
  const fewer = stepButton('−', t('Fewer repeats of %1', shownName));
  const more = stepButton('+', t('More repeats of %1', shownName));
  repeats.append(fewer, document.createElement('output'), more);
  const alone = stepButton('▶', t('Play %1 alone', shownName));
  row.append(name, repeats, alone);

  // Ticking starts the count again at one, as in the window.
  tick.addEventListener('change', () => {
    Object.assign(selection[index], { ticked: tick.checked, repeats: 1 });
    showSelection();
  });
  const step = (by) => {
    const chosen = selection[index];
    chosen.repeats = Math.min(10, Math.max(1, chosen.repeats + by));
    showSelection();
  };
  fewer.addEventListener('click', () => step(-1));
  more.addEventListener('click', () => step(1));
  alone.addEventListener('click', () => command('POST', 'play', { effect: index }));
  return row;
}

function stepButton(text, label) {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = text;
  button.setAttribute('aria-label', label);
  return button;
}

async function loadEffects() {
  let reply;
  try {
    reply = await api('GET', 'effects');
  } catch (failure) {
    showError(failure.message);
    return;
  }
  selection = reply.effects.map(({ name, ticked, repeats }) => ({ name, ticked, repeats }));
  picks = reply.patterns.map(({ name, repeats }) => ({ name, repeats }));
  byId('effects').replaceChildren(...selection.map(effectRow));
  showSelection();
}

// The scheme may change while the show plays: the new one takes over at the
// end of the pass under way, or at once if asked, with no dark frame.
function showSelection() {
  const playing = Boolean(shown && shown.running);
  byId('atOnceChoice').hidden = !playing;
  [...byId('effects').children].forEach((row, i) => {
    const { ticked, repeats } = selection[i];
    const tick = row.querySelector('input');
    const [fewer, count, more] = row.querySelector('.repeats').children;
    tick.checked = ticked;
    row.classList.toggle('ticked', ticked);
    count.textContent = repeats;
    fewer.disabled = !ticked || repeats <= 1;
    more.disabled = !ticked || repeats >= 10;
  });
  const ticked = selection.filter((effect) => effect.ticked).length;
  byId('rows').textContent = ticked ? t('(%1 ticked)', ticked) : t('(tick at least one to build)');
  byId('build').disabled = !ticked && !picks.length;
  showPicks();
}

function buildScheme() {
  const effects = selection.map(({ ticked, repeats }) => ({ ticked, repeats }));
  const atOnce = !byId('atOnceChoice').hidden && byId('atOnce').checked;
  command('POST', 'build', { effects, patterns: picks, atOnce });
}

// Everything the page shows, asked afresh: at start and after each reconnection.
async function refresh() {
  await textsLoaded(key);
  try {
    showState(await api('GET', 'state'));
    clearError();
  } catch (failure) {
    showError(failure.message);
    return;
  }
  loadEffects();
  loadOutputs();
  loadPatterns();
  loadSchedule();
}

// The live channel: the key goes first, as browsers cannot set headers on a
// WebSocket. When it drops, it is tried again after 1, 2, 4 ... 30 s.
function connectLive() {
  clearTimeout(retry);
  if (live) live.close();
  const scheme = location.protocol === 'https:' ? 'wss://' : 'ws://';
  const socket = new WebSocket(scheme + location.host + '/api/v1/live');
  live = socket;
  socket.addEventListener('open', () => {
    socket.send(JSON.stringify({ key }));
    setLink(t('live'), true);
    refresh();
  });
  const waitForWord = () => {
    clearTimeout(silence);
    silence = setTimeout(() => {
      showOffline(true);
      setLink(t('offline, trying again'));
      connectLive();
    }, silentMs);
  };
  waitForWord();
  socket.addEventListener('message', (event) => {
    retryMs = 1000;
    waitForWord();
    const message = JSON.parse(event.data);
    if (message.type === 'state') showState(message);
    else if (message.type === 'lamps') showLamps(message.lamps);
  });
  socket.addEventListener('close', (event) => {
    if (live !== socket || !key) return;
    clearTimeout(silence);
    showOffline(true);
    if (event.code === 4401) {
      forgetKey(event.reason || t('The key was refused.'));
      return;
    }
    setLink(t('offline, trying again in %1 s', retryMs / 1000));
    retry = setTimeout(connectLive, retryMs);
    retryMs = Math.min(retryMs * 2, 30000);
  });
}

function wireControls() {
  const lamps = byId('lamps');
  for (let i = 0; i < 8; i++) {
    const lamp = document.createElement('span');
    lamp.setAttribute('role', 'img');
    lamps.append(lamp);
  }
  showLamps('00000000');
  byId('start').addEventListener('click', () => command('POST', 'start'));
  byId('stop').addEventListener('click', () => command('POST', 'stop'));
  byId('pause').addEventListener('click', () => command('POST', shown && shown.paused ? 'resume' : 'pause'));
  byId('scheme').addEventListener('click', () => command('POST', 'play', { effect: null }));
  byId('alloff').addEventListener('click', () => command('POST', 'alloff'));
  byId('open').addEventListener('click', () => command('POST', 'output/open'));
  byId('outputs').addEventListener('change', (event) => {
    describeChosenOutput();
    command('PUT', 'output', { output: event.target.value });
  });
  byId('build').addEventListener('click', buildScheme);

  const speed = byId('speed');
  speed.addEventListener('pointerdown', () => { speedHeld = true; });
  speed.addEventListener('input', () => showSpeed(speed.valueAsNumber));
  speed.addEventListener('change', () => setSpeed(speed.valueAsNumber));
  ['pointerup', 'pointercancel'].forEach((name) => speed.addEventListener(name, () => { speedHeld = false; }));
  byId('shorter').addEventListener('click', () => setSpeed(speed.valueAsNumber - speedStep));
  byId('longer').addEventListener('click', () => setSpeed(speed.valueAsNumber + speedStep));
}

// On opening, and when an address with a new key is opened over this page.
// The texts come first, so that the page is drawn once, in its language.
async function begin() {
  takeKey();
  if (!key) {
    forgetKey();
    return;
  }
  clearError();
  await textsLoaded(key);
  byId('nokey').hidden = true;
  byId('remote').hidden = false;
  connectLive();
}

wireControls();
window.addEventListener('hashchange', begin);
begin();
