'use strict';
// The list of patterns (the built-in effects, read-only, and the user's
// own) and the patterns a scheme is built with, beside the effects.

const maxPicks = 32;         // as many patterns as a scheme holds
const maxPickRepeats = 10;
let patternList = [];        // {name, builtIn, steps, version}, as the program lists them
let picks = [];              // the patterns for the next build: {name, repeats}

// A pattern's path: its name is one part of it, whatever it holds.
function patternPath(name, action) {
  return 'patterns/' + encodeURIComponent(name) + (action ? '/' + action : '');
}

async function loadPatterns() {
  try {
    patternList = (await api('GET', 'patterns')).patterns;
  } catch (failure) {
    showError(failure.message);
    return;
  }
  byId('patterns').replaceChildren(...patternList.map(patternRow));
  showSelection();
}

function patternRow(pattern) {
  const row = document.createElement('li');
  row.dataset.name = pattern.name;
  const name = document.createElement('span');
  name.className = 'pattern-name';
  name.textContent = pattern.name;
  const about = document.createElement('span');
  about.className = 'note';
  about.textContent = ' ' + (pattern.builtIn ? t('built-in, %1 steps', pattern.steps) : t('%1 steps', pattern.steps));
  name.append(about);
  const actions = document.createElement('span');
  actions.className = 'pattern-actions';
  const shownName = t(pattern.name);  // a built-in's name is among the page's texts
  const play = stepButton('▶', t('Play %1 alone', shownName));
  play.classList.add('play');
  play.addEventListener('click', () => command('POST', patternPath(pattern.name, 'play')));
  const open = pattern.builtIn ? stepButton(t('View'), t('View %1', shownName))
    : stepButton(t('Edit'), t('Edit %1', shownName));
  open.classList.add('open');
  open.addEventListener('click', () => openPattern(pattern.name));
  const copy = stepButton(t('Copy'), t('Copy %1 as a new pattern', shownName));
  copy.addEventListener('click', () => copyPatternNamed(pattern.name));
  actions.append(play, open, copy, fseqDownloadButton(pattern.name));
  if (!pattern.builtIn) {
    const pick = stepButton(t('+ scheme'), t('Add %1 to the scheme', shownName));
    pick.classList.add('pick');
    pick.addEventListener('click', () => addPick(pattern.name));
    actions.append(pick);
  }
  row.append(name, actions);
  return row;
}

// Asks for a new name, offering one that is free; null when cancelled.
function askNewName(question, from) {
  let offered = `${from} 2`.slice(0, 40);
  for (let n = 3; patternList.some((pattern) => pattern.name === offered); n++) offered = `${from} ${n}`.slice(0, 40);
  const given = prompt(question, offered);
  return given === null ? null : given.trim();
}

async function copyPatternNamed(name) {
  const to = askNewName(t('Copy “%1” as:', name), name);
  if (!to) return;
  try {
    await api('POST', patternPath(name, 'copy'), { to });
    clearError();
  } catch (failure) {
    showError(failure.message);
    return;
  }
  await loadPatterns();
  openPattern(to);
}

function addPick(name) {
  if (picks.length >= maxPicks) {
    showError(t('A scheme holds at most %1 patterns.', maxPicks));
    return;
  }
  picks.push({ name, repeats: 1 });
  showSelection();
}

// The picks in their order, each with its repeats.
function showPicks() {
  byId('noPicks').hidden = picks.length > 0;
  byId('picks').replaceChildren(...picks.map((pick, index) => {
    const row = document.createElement('li');
    row.className = 'ticked';
    const name = document.createElement('span');
    name.className = 'pattern-name';
    name.textContent = pick.name;
    const repeats = document.createElement('span');
    repeats.className = 'repeats';
    const fewer = stepButton('−', t('Fewer repeats of %1', pick.name));
    const more = stepButton('+', t('More repeats of %1', pick.name));
    const count = document.createElement('output');
    count.textContent = pick.repeats;
    repeats.append(fewer, count, more);
    const remove = stepButton('✕', t('Take %1 out of the scheme', pick.name));
    fewer.disabled = pick.repeats <= 1;
    more.disabled = pick.repeats >= maxPickRepeats;
    const change = (by) => {
      pick.repeats = Math.min(maxPickRepeats, Math.max(1, pick.repeats + by));
      showSelection();
    };
    fewer.addEventListener('click', () => change(-1));
    more.addEventListener('click', () => change(1));
    remove.addEventListener('click', () => {
      picks.splice(index, 1);
      showSelection();
    });
    row.append(name, repeats, remove);
    return row;
  }));
}

byId('newPattern').addEventListener('click', () => newPattern());
