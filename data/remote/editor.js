'use strict';
// The step editor: one row of eight lamps per step, each step with a time of
// its own or the delay. Edits can be undone, and with "Preview on the lamps"
// each one plays on the real output at once.

const maxBodyBytes = 16 * 1024;  // the most the program takes in one request
const minStepMs = 10;
const maxStepMs = 60000;
const previewQuietMs = 150;      // a burst of taps is sent as one preview

let editing = null;   // {name, builtIn, version (0: not saved yet), steps: [{lamps: '10000000', ms: 0}]}
let undoSteps = [];   // the steps before each edit, the latest last
let previewing = null; // what played before the preview began, while it is on
let previewTimer = null;

const copySteps = (steps) => steps.map((step) => ({ ...step }));

function showEditorProblem(text, stale) {
  byId('editorProblem').textContent = text || '';
  byId('editorProblem').hidden = !text;
  byId('reloadPattern').hidden = !stale;
}

// The steps as the program takes them; false, with the reason shown, when
// they would not fit in one request.
function stepsBody(extra) {
  const body = { steps: editing.steps.map(({ lamps, ms }) => (ms ? { lamps, ms } : { lamps })), ...extra };
  const bytes = new Blob([JSON.stringify(body)]).size;
  if (bytes <= maxBodyBytes) return body;
  showEditorProblem(t('These %1 steps take %2 bytes to send, more than the %3 the program takes at once; '
    + 'delete some steps, or leave the time empty on some.', editing.steps.length, bytes, maxBodyBytes));
  return false;
}

async function openPattern(name) {
  let found;
  try {
    found = await api('GET', patternPath(name));
  } catch (failure) {
    showError(failure.message);
    return;
  }
  startEditing({ ...found, steps: found.steps.map(({ lamps, ms }) => ({ lamps, ms: ms || 0 })) });
}

function newPattern() {
  startEditing({ name: '', builtIn: false, version: 0, steps: [{ lamps: '00000000', ms: 0 }] });
}

function startEditing(pattern) {
  editing = pattern;
  undoSteps = [];
  showEditorProblem();
  byId('editor').hidden = false;
  byId('editorTitle').textContent = pattern.builtIn ? t('“%1” (built-in, cannot be changed)', t(pattern.name))
    : pattern.version ? t('Pattern “%1”', pattern.name) : t('New pattern');
  byId('patternName').value = pattern.name;
  byId('patternName').readOnly = pattern.version > 0 || pattern.builtIn;
  for (const id of ['addStep', 'undo', 'savePattern']) byId(id).hidden = pattern.builtIn;
  for (const id of ['renamePattern', 'deletePattern']) byId(id).hidden = pattern.builtIn || !pattern.version;
  byId('copyPattern').hidden = !pattern.version && !pattern.builtIn;
  showSteps();
  byId('editor').scrollIntoView({ block: 'start' });
  if (previewing) schedulePreview();
}

function stepButtonFor(label, text, action) {
  const button = stepButton(text, label);
  button.addEventListener('click', action);
  button.disabled = editing.builtIn;
  return button;
}

function stepRow(step, i) {
  const row = document.createElement('div');
  row.className = 'step';
  row.setAttribute('role', 'group');
  row.setAttribute('aria-label', t('Step %1', i + 1));
  const cells = document.createElement('div');
  cells.className = 'cells';
  for (let k = 0; k < 8; k++) {
    const cell = document.createElement('button');
    cell.type = 'button';
    cell.className = 'cell';
    cell.dataset.step = i;
    cell.dataset.lamp = k;
    cell.setAttribute('aria-pressed', String(step.lamps[k] === '1'));
    cell.setAttribute('aria-label', t('Step %1, lamp %2', i + 1, k + 1));
    cell.disabled = editing.builtIn;
    cell.addEventListener('click', () => edit(() => {
      const lamps = [...editing.steps[i].lamps];
      lamps[k] = lamps[k] === '1' ? '0' : '1';
      editing.steps[i].lamps = lamps.join('');
    }, cell));
    cells.append(cell);
  }
  const tools = document.createElement('div');
  tools.className = 'step-tools';
  const number = document.createElement('span');
  number.className = 'note';
  number.textContent = i + 1;
  const time = document.createElement('input');
  time.type = 'number';
  time.inputMode = 'numeric';
  time.min = minStepMs;
  time.max = maxStepMs;
  time.placeholder = t('delay');
  time.value = step.ms || '';
  time.className = 'time';
  time.setAttribute('aria-label', t('Step %1: time in ms, empty for the delay', i + 1));
  time.readOnly = editing.builtIn;
  time.addEventListener('change', () => setTime(i, time));
  const unit = document.createElement('span');
  unit.className = 'note';
  unit.textContent = 'ms';
  const last = editing.steps.length - 1;
  const duplicate = stepButtonFor(t('Duplicate step %1', i + 1), t('Dup'), () => edit(() => editing.steps.splice(i, 0, { ...step })));
  const up = stepButtonFor(t('Move step %1 up', i + 1), '↑', () => edit(() => swapSteps(i, i - 1)));
  const down = stepButtonFor(t('Move step %1 down', i + 1), '↓', () => edit(() => swapSteps(i, i + 1)));
  const remove = stepButtonFor(t('Delete step %1', i + 1), '✕', () => edit(() => {
    if (editing.steps.length > 1) editing.steps.splice(i, 1);
  }));
  up.disabled ||= i === 0;
  down.disabled ||= i === last;
  remove.disabled ||= last === 0;
  tools.append(number, time, unit, duplicate, up, down, remove);
  row.append(cells, tools);
  return row;
}

// Controls come back on together when the program answers again, so the
// ends of the list are checked here as well.
function swapSteps(a, b) {
  if (b < 0 || b >= editing.steps.length) return;
  [editing.steps[a], editing.steps[b]] = [editing.steps[b], editing.steps[a]];
}

function setTime(i, input) {
  const text = input.value.trim();
  const ms = text === '' ? 0 : Number(text);
  if (ms !== 0 && !(Number.isInteger(ms) && ms >= minStepMs && ms <= maxStepMs)) {
    showEditorProblem(t('A step lasts %1 to %2 ms; leave the time empty for the delay.', minStepMs, maxStepMs));
    input.value = editing.steps[i].ms || '';
    return;
  }
  edit(() => { editing.steps[i].ms = ms; }, input);
}

// Every change goes through here, so that it can be undone and previewed;
// the control it came from keeps the focus.
function edit(change, from) {
  undoSteps.push(copySteps(editing.steps));
  change();
  showEditorProblem();
  showSteps(from);
  schedulePreview();
}

function undo() {
  if (!undoSteps.length) return;
  editing.steps = undoSteps.pop();
  showSteps();
  schedulePreview();
}

function showSteps(focused) {
  const where = focused && focused.dataset.step !== undefined
    ? `[data-step="${focused.dataset.step}"][data-lamp="${focused.dataset.lamp}"]` : null;
  byId('grid').replaceChildren(...editing.steps.map(stepRow));
  byId('undo').disabled = !undoSteps.length;
  if (where) byId('grid').querySelector(where)?.focus();
}

// Arrow keys move between the lamps, as in a table; Space switches one, as
// it presses any button.
function moveInGrid(event) {
  const cell = event.target.closest('.cell');
  const moves = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] };
  if (!cell || !moves[event.key]) return;
  const [down, right] = moves[event.key];
  const step = Number(cell.dataset.step) + down;
  const lamp = Number(cell.dataset.lamp) + right;
  const next = byId('grid').querySelector(`[data-step="${step}"][data-lamp="${lamp}"]`);
  if (next) next.focus();
  event.preventDefault();
}

function editedName() {
  return editing.version ? editing.name : byId('patternName').value.trim();
}

async function save() {
  const name = editedName();
  const body = stepsBody({ version: editing.version });
  if (!name) {
    showEditorProblem(t('Give the pattern a name first.'));
    return;
  }
  if (!body) return;
  try {
    const saved = await api('PUT', patternPath(name), body);
    startEditingSaved(saved.name, saved.version);
  } catch (failure) {
    showEditorProblem(failure.message, failure.status === 409 && editing.version > 0);
  }
}

// After a save or a rename: the same steps, under the name and version the
// program has now; the undo history stays.
function startEditingSaved(name, version) {
  const history = undoSteps;
  startEditing({ ...editing, name, version });
  undoSteps = history;
  showSteps();
  loadPatterns();
}

async function rename() {
  const to = askNewName(t('Rename “%1” to:', editing.name), editing.name);
  if (!to || to === editing.name) return;
  try {
    const renamed = await api('POST', patternPath(editing.name, 'rename'), { to, version: editing.version });
    picks.forEach((pick) => { if (pick.name === editing.name) pick.name = to; });
    startEditingSaved(renamed.name, renamed.version);
  } catch (failure) {
    showEditorProblem(failure.message, failure.status === 409);
  }
}

async function remove() {
  if (!confirm(t('Delete the pattern “%1”? This cannot be undone.', editing.name))) return;
  try {
    await api('DELETE', patternPath(editing.name), { version: editing.version });
  } catch (failure) {
    showEditorProblem(failure.message, failure.status === 409);
    return;
  }
  picks = picks.filter((pick) => pick.name !== editing.name);
  closeEditor();
  loadPatterns();
}

function closeEditor() {
  if (previewing) stopPreview();
  editing = null;
  byId('editor').hidden = true;
}

function schedulePreview() {
  if (!previewing) return;
  clearTimeout(previewTimer);
  previewTimer = setTimeout(() => {
    const body = stepsBody();
    if (body) command('POST', patternPath(editedName() || 'Preview', 'play'), body);
  }, previewQuietMs);
}

function startPreview() {
  previewing = { ...(shown || { running: false }) };
  byId('preview').setAttribute('aria-pressed', 'true');
  schedulePreview();
}

// Back to what played before: the scheme, an effect or a pattern alone, or
// nothing.
function stopPreview() {
  const before = previewing;
  previewing = null;
  clearTimeout(previewTimer);
  byId('preview').setAttribute('aria-pressed', 'false');
  if (!before.running) command('POST', 'stop');
  else if (before.effect) command('POST', 'play', { effect: selection.findIndex((effect) => effect.name === before.effect) });
  else if (before.pattern) command('POST', patternPath(before.pattern, 'play'));
  else command('POST', 'play', { effect: null });
}

function wireEditor() {
  byId('grid').addEventListener('keydown', moveInGrid);
  byId('addStep').addEventListener('click', () => edit(() => editing.steps.push({ lamps: '00000000', ms: 0 })));
  byId('undo').addEventListener('click', undo);
  byId('preview').addEventListener('click', () => (previewing ? stopPreview() : startPreview()));
  byId('savePattern').addEventListener('click', save);
  byId('reloadPattern').addEventListener('click', () => openPattern(editing.name));
  byId('renamePattern').addEventListener('click', rename);
  byId('copyPattern').addEventListener('click', () => copyPatternNamed(editing.name));
  byId('deletePattern').addEventListener('click', remove);
  byId('closeEditor').addEventListener('click', closeEditor);
}

wireEditor();
