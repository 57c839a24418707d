'use strict';
// The schedule: the next on and off, the entries in words, a form that
// writes an entry as the settings file holds it ("on=sunset off=23:00"),
// and the place the sun times are for. Every change sends the whole
// schedule with the version it was made from; the program checks it.

const weekdays = ['Mon', 'Tue', 'Wed', 'Thu', 'Fri', 'Sat', 'Sun'];
const sunEvents = ['sunset', 'sunrise', 'dusk', 'dawn'];
let plan = null;             // the schedule as the program last sent it
let editingEntry = -1;            // the entry the form changes; entries.length for a new one

async function loadSchedule() {
  try {
    showSchedule(await api('GET', 'schedule'));
  } catch (failure) {
    showError(failure.message);
  }
}

function switchText(at) {
  if (!at) return t('none in the year ahead');
  const today = new Date().toISOString().slice(0, 10);
  return at.date === today ? t('today at %1 (entry %2)', at.time, at.entry) : t('%1 at %2 (entry %3)', at.date, at.time, at.entry);
}

// The day and sun words of the settings in the page's language: "Mon-Fri", "sunset-15".
function settingWords(text) {
  const words = [...weekdays, ...sunEvents];
  return text.replace(/[a-z]+/gi, (word) => {
    const known = words.find((name) => name.toLowerCase() === word.toLowerCase());
    return known ? t(known) : word;
  });
}

// "on=sunset-15 off=23:00 days=Mon-Fri play=Wave" in words.
function entryWords(text) {
  const field = (name) => (new RegExp(`(?:^|\\s)${name}=(\\S+)`).exec(text) || [])[1];
  const play = /(?:^|\s)play=(.*)$/.exec(text);
  const days = field('days');
  const parts = [t('on at %1', settingWords(field('on') || '?')), t('off at %1', settingWords(field('off') || '?')),
    days ? t('on %1', settingWords(days)) : t('every day')];
  if (field('dates')) {
    const [first, last] = field('dates').split('..');
    parts.push(t('from %1 to %2', first, last || '?'));
  }
  if (field('end') === 'pass') parts.push(t('ends after the last row'));
  parts.push(play ? t('plays %1', t(play[1])) : t('plays the scheme'));
  return parts.join(', ');
}

function showSchedule(reply) {
  plan = reply;
  const next = reply.next;
  const nextSwitches = t('Next on: %1. Next off: %2.', switchText(next.on), switchText(next.off));
  byId('scheduleNext').textContent = reply.entries.length === 0
    ? t('No schedule: the show plays when it is started.')
    : !reply.enabled ? t('The schedule is off (Enabled=0 in the settings).')
      : next.playing ? t('On now. %1', nextSwitches) : nextSwitches;
  byId('scheduleProblems').replaceChildren(...reply.problems.map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  }));
  byId('entries').replaceChildren(...reply.entries.map(entryRow));
  byId('placeNote').textContent = '';
  byId('latitude').value = reply.place ? reply.place.latitude : '';
  byId('longitude').value = reply.place ? reply.place.longitude : '';
  byId('scheduleDays').replaceChildren(...reply.days.map(dayRow));
}

function entryRow(text, index) {
  const row = document.createElement('li');
  const words = document.createElement('span');
  words.className = 'entry-words';
  words.textContent = `${index + 1}. ${entryWords(text)}`;
  const actions = document.createElement('span');
  actions.className = 'pattern-actions';
  const change = stepButton(t('Change'), t('Change entry %1', index + 1));
  change.addEventListener('click', () => openEntry(index));
  const remove = stepButton(t('Delete'), t('Delete entry %1', index + 1));
  remove.addEventListener('click', () => {
    if (confirm(t('Delete entry %1: %2?', index + 1, entryWords(text))))
      saveSchedule(plan.entries.filter((_, i) => i !== index), plan.place);
  });
  actions.append(change, remove);
  row.append(words, actions);
  return row;
}

function dayRow(day) {
  const row = document.createElement('li');
  const windows = day.windows.map((w) => (w.offNextDay ? t('%1–%2 next day (entry %3)', w.on, w.off, w.entry)
    : t('%1–%2 (entry %3)', w.on, w.off, w.entry)));
  row.textContent = `${day.date}: ${windows.length ? windows.join(', ') : t('off')}`;
  for (const note of day.notes) {
    const line = document.createElement('div');
    line.className = 'note';
    line.textContent = note;
    row.append(line);
  }
  return row;
}

// The program answers with the schedule as it now is, or says why not; a
// schedule changed meanwhile is shown afresh.
async function saveSchedule(entries, place) {
  try {
    showSchedule(await api('PUT', 'schedule', { version: plan.version, entries, place }));
    clearError();
    return true;
  } catch (failure) {
    showError(failure.message);
    if (failure.status === 409) loadSchedule();
    return false;
  }
}

// One end of a window: a clock time, or a sun event moved by some minutes.
function readTime(side) {
  const kind = byId(side + 'Kind').value;
  if (kind === 'clock') return byId(side + 'Clock').value || '00:00';
  const minutes = Number(byId(side + 'Offset').value) || 0;
  return kind + (minutes > 0 ? '+' + minutes : minutes < 0 ? String(minutes) : '');
}

function showTime(side, text) {
  const sun = /^(sunrise|sunset|dusk|dawn)([+-]\d+)?$/i.exec(text || '');
  byId(side + 'Kind').value = sun ? sun[1].toLowerCase() : 'clock';
  byId(side + 'Offset').value = sun && sun[2] ? Number(sun[2]) : 0;
  if (!sun && /^\d{1,2}:\d\d$/.test(text || '')) byId(side + 'Clock').value = text.padStart(5, '0');
  byId(side + 'Clock').hidden = Boolean(sun);
  byId(side + 'OffsetLabel').hidden = !sun;
}

// Ticked days as the settings write them: all for none written, else "Mon,Wed,Sat".
function readDays() {
  const ticked = weekdays.filter((day) => byId('day' + day).checked);
  return ticked.length === 7 ? '' : ticked.join(',');
}

// "Mon-Fri,Sun" as the days it names; a range may wrap over the week's end.
function tickedDays(text) {
  if (!text) return new Set(weekdays);
  const named = new Set();
  const at = (name) => weekdays.findIndex((day) => day.toLowerCase() === name.toLowerCase());
  for (const item of text.split(',')) {
    const [first, last = first] = item.split('-').map(at);
    if (first < 0 || last < 0) continue;
    for (let day = first; ; day = (day + 1) % 7) {
      named.add(weekdays[day]);
      if (day === last) break;
    }
  }
  return named;
}

function writtenEntry() {
  const days = readDays();
  const play = byId('entryPlay').value;
  return [`on=${readTime('on')}`, `off=${readTime('off')}`, days && `days=${days}`,
    byId('entryEnd').checked && 'end=pass', play && `play=${play}`].filter(Boolean).join(' ');
}

function formChanged() {
  showTime('on', readTime('on'));
  showTime('off', readTime('off'));
  byId('entryText').value = writtenEntry();
  const sunWithoutPlace = /(?:on|off)=(?:sun|dusk|dawn)/.test(byId('entryText').value) && !readPlace();
  byId('entryNeedsPlace').hidden = !sunWithoutPlace;
}

// Drawn when the form opens, once the page's texts are in; each written
// whole, as languages put them differently.
function showTimeChoices() {
  const sunChoices = [t('at sunset'), t('at sunrise'), t('at dusk'), t('at dawn')];
  for (const side of ['on', 'off']) {
    byId(side + 'Kind').replaceChildren(new Option(t('at a clock time'), 'clock'),
      ...sunEvents.map((event, i) => new Option(sunChoices[i], event)));
  }
}

function openEntry(index) {
  editingEntry = index;
  showTimeChoices();
  const text = index < plan.entries.length ? plan.entries[index] : 'on=sunset off=23:00';
  const field = (name) => (new RegExp(`(?:^|\\s)${name}=(\\S+)`).exec(text) || [])[1];
  showTime('on', field('on'));
  showTime('off', field('off'));
  const days = tickedDays(field('days'));
  for (const day of weekdays) byId('day' + day).checked = days.has(day);
  byId('entryEnd').checked = field('end') === 'pass';
  const play = /(?:^|\s)play=(.*)$/.exec(text);
  const choices = byId('entryPlay');
  choices.replaceChildren(new Option(t('the scheme'), ''), ...patternList.map((p) => new Option(t(p.name), p.name)));
  choices.value = play ? play[1] : '';
  byId('entryText').value = text;
  formChanged();
  byId('entryText').value = text;
  byId('entryTitle').textContent = index < plan.entries.length ? t('Entry %1', index + 1) : t('New entry');
  byId('entryForm').hidden = false;
  byId('entryForm').scrollIntoView({ block: 'nearest' });
}

async function saveEntry(event) {
  event.preventDefault();
  const entries = plan.entries.slice();
  entries[editingEntry] = byId('entryText').value.trim();
  if (await saveSchedule(entries, readPlace())) byId('entryForm').hidden = true;
}

function readPlace() {
  const latitude = byId('latitude').value.trim();
  const longitude = byId('longitude').value.trim();
  if (latitude === '' && longitude === '') return null;
  return { latitude: Number(latitude), longitude: Number(longitude) };
}

// The browser asks once; it gives the place only to a page over HTTPS.
function useThisLocation() {
  const said = byId('placeNote');
  if (!navigator.geolocation || !window.isSecureContext) {
    said.textContent = t('This browser gives the location only to a page over HTTPS. Type the latitude and '
      + 'longitude instead: a map app shows them when you touch your place.');
    return;
  }
  said.textContent = t('Asking the browser…');
  navigator.geolocation.getCurrentPosition((found) => {
    byId('latitude').value = found.coords.latitude.toFixed(4);
    byId('longitude').value = found.coords.longitude.toFixed(4);
    said.textContent = t('Found; save the place to use it.');
  }, (refused) => {
    said.textContent = t('No location: %1. Type it instead.', refused.message || t('the browser refused'));
  }, { maximumAge: 600000, timeout: 20000 });
}

function wireSchedule() {
  for (const side of ['on', 'off']) {
    for (const id of [side + 'Kind', side + 'Clock', side + 'Offset']) byId(id).addEventListener('input', formChanged);
  }
  const days = byId('entryDays');
  for (const day of weekdays) {
    const label = document.createElement('label');
    const box = document.createElement('input');
    box.type = 'checkbox';
    box.id = 'day' + day;
    box.addEventListener('change', formChanged);
    label.append(box, day);
    days.append(label);
  }
  for (const id of ['entryPlay', 'entryEnd']) byId(id).addEventListener('change', formChanged);
  byId('addEntry').addEventListener('click', () => openEntry(plan.entries.length));
  byId('entryForm').addEventListener('submit', saveEntry);
  byId('cancelEntry').addEventListener('click', () => { byId('entryForm').hidden = true; });
  byId('locate').addEventListener('click', useThisLocation);
  byId('savePlace').addEventListener('click', () => saveSchedule(plan.entries, readPlace()));
}

wireSchedule();
