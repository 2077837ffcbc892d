// The chart page: the form, the place suggestions, and the chart drawn from the API's answers.
// The page's address carries the inputs, so that a chart can be bookmarked and shared.
'use strict';

const FORM_FIELDS = ['name', 'date', 'time', 'place', 'lon', 'lat', 'tz', 'resolve', 'houses'];
const API_FIELDS = FORM_FIELDS.filter((f) => f !== 'name');
const $ = (id) => document.getElementById(id);

// The form's non-empty inputs as URL parameters, in the form's order.
function formParams(fields) {
  const params = new URLSearchParams();
  for (const f of fields) {
    const value = $(f).value.trim();
    if (value !== '') params.set(f, value);
  }
  return params;
}

function fillForm(params) {
  for (const f of FORM_FIELDS) {
    const value = params.get(f);
    if (f === 'houses') $(f).value = value || 'P';
    else $(f).value = value || '';
  }
  showPlaceInfo(null);
}

function showError(text, field) {
  for (const f of FORM_FIELDS) $(f).removeAttribute('aria-invalid');
  const box = $('error');
  box.hidden = !text;
  box.textContent = text || '';
  if (field && $(field)) {
    $(field).setAttribute('aria-invalid', 'true');
    $(field).focus();
  }
}

// An angle in degrees as degrees and minutes: 123.456 -> "123°27′".
function degreesMinutes(value) {
  const sign = value < 0 ? '−' : '';
  let minutes = Math.round(Math.abs(value) * 60);
  const degrees = Math.floor(minutes / 60);
  minutes -= degrees * 60;
  return `${sign}${degrees}°${String(minutes).padStart(2, '0')}′`;
}

// A body's place in its sign: "13°19′ Scorpio".
function inSign(body) {
  const minutes = String(body.inSign.minutes).padStart(2, '0');
  return `${body.inSign.degrees}°${minutes}′ ${body.sign.name}`;
}

function fillPositions(bodies) {
  const rows = $('positions').tBodies[0];
  rows.replaceChildren();
  for (const body of bodies) {
    if (body.longitude === null) continue;
    const row = rows.insertRow();
    row.dataset.key = body.key;
    const speed = body.speed === null ? '' :
        `${degreesMinutes(body.speed)}${body.retrograde ? ' R' : ''}`;
    const cells = [`${body.label} ${body.key}`, inSign(body), body.house || '',
      body.declination === null ? '' : degreesMinutes(body.declination), speed];
    for (const text of cells) row.insertCell().textContent = text;
  }
}

// Puts the wheel's SVG document into the page as inline SVG; pointing at a symbol names it in
// the status line, as the chart window's status line does.
function showWheel(svgText) {
  const doc = new DOMParser().parseFromString(svgText, 'image/svg+xml');
  const svg = document.importNode(doc.documentElement, true);
  svg.removeAttribute('width');
  svg.removeAttribute('height');
  svg.setAttribute('role', 'img');
  $('wheel').replaceChildren(svg);
}

// The innermost element under the pointer that carries a title names it.
function nameUnderPointer(event) {
  for (let e = event.target; e && e !== event.currentTarget; e = e.parentElement) {
    const title = e.querySelector(':scope > title');
    if (title) {
      $('status').textContent = title.textContent;
      return;
    }
  }
}

async function fetchChecked(url) {
  const response = await fetch(url);
  if (response.ok) return response;
  let problem = {message: `${response.status} ${response.statusText}`};
  try {
    problem = await response.json();
  } catch (e) {
    // Not JSON: the status line says enough.
  }
  const error = new Error(problem.parameter ? `${problem.parameter}: ${problem.message}` : problem.message);
  error.parameter = problem.parameter;
  throw error;
}

async function drawChart(params) {
  const query = new URLSearchParams();
  for (const f of API_FIELDS) {
    if (params.has(f)) query.set(f, params.get(f));
  }
  $('draw').disabled = true;
  try {
    const [chart, svg] = await Promise.all([
      fetchChecked(`/api/v1/chart?${query}`).then((r) => r.json()),
      fetchChecked(`/api/v1/chart.svg?${query}`).then((r) => r.text()),
    ]);
    showError('');
    const name = params.get('name');
    $('chart-title').textContent = name ? `Chart of ${name}` : 'Chart';
    document.title = name ? `${name} · Caelix` : 'Caelix';
    $('chart-summary').textContent = chartSummary(chart);
    showWheel(svg);
    fillPositions(chart.bodies);
    $('elements').textContent = chart.pages.elements;
    $('modalities').textContent = chart.pages.quadruplicity;
    $('aspects').textContent = chart.pages.aspects;
    $('json-link').href = `/api/v1/chart?${query}`;
    $('svg-link').href = `/api/v1/chart.svg?${query}`;
    $('result').hidden = false;
  } catch (error) {
    $('result').hidden = true;
    showError(error.message, error.parameter);
  } finally {
    $('draw').disabled = false;
  }
}

// One line of what the chart was drawn for: the town, the local time and its zone when given, the
// UT, the coordinates and the house system.
function chartSummary(chart) {
  const input = chart.input;
  const parts = [];
  if (chart.place) parts.push(placeName(chart.place));
  if (chart.localTime) {
    const local = chart.localTime;
    // "Europe/Madrid (CEST, +02:00)", "LMT (-00:14:44)", "UTC+01:00".
    const details = [];
    if (local.abbreviation !== local.zone) details.push(local.abbreviation);
    if (!local.zone.endsWith(local.offset)) details.push(local.offset);
    const zone = details.length > 0 ? `${local.zone} (${details.join(', ')})` : local.zone;
    parts.push(`${local.date} ${local.time} ${zone}`);
  }
  parts.push(
      `${input.year}-${String(input.month).padStart(2, '0')}-${String(input.day).padStart(2, '0')} ` +
      `${String(input.hour).padStart(2, '0')}:${String(Math.floor(input.minute)).padStart(2, '0')} UT`);
  parts.push(`longitude ${degreesMinutes(input.longitude)}, latitude ${degreesMinutes(input.latitude)}`);
  parts.push(`${input.houseName} houses`);
  return parts.join(', ');
}

// A town of the atlas as people name it: "Springfield, Illinois, United States".
function placeName(place) {
  const region = place.region || place.regionCode;
  return [place.name, region, place.country || place.countryCode].filter((p) => p).join(', ');
}

// What the place field takes for a town: its name, its region and its country code, so that the
// atlas finds that town first ("Springfield, Illinois, US").
function placeQuery(place) {
  const region = place.region && !place.region.includes(',') ? place.region : place.regionCode;
  return [place.name, region, place.countryCode].filter((p) => p).join(', ');
}

// "40.4165 N 3.7026 W, Europe/Madrid": where a town is and its zone.
function placeWhere(place) {
  const lat = `${Math.abs(place.latitude).toFixed(4)} ${place.latitude < 0 ? 'S' : 'N'}`;
  const lon = `${Math.abs(place.longitude).toFixed(4)} ${place.longitude < 0 ? 'W' : 'E'}`;
  return `${lat} ${lon}, ${place.zone}`;
}

// Shows under the place field where the picked town is, or nothing.
function showPlaceInfo(place) {
  $('place-info').hidden = !place;
  $('place-info').textContent = place ? `${placeName(place)}: ${placeWhere(place)}` : '';
}

// The place suggestions: up to eight towns of the atlas whose names begin with what is typed.
const suggestions = {timer: 0, items: [], active: -1, generation: 0};

function closeSuggestions() {
  $('place-list').hidden = true;
  $('place-list').replaceChildren();
  $('place').setAttribute('aria-expanded', 'false');
  suggestions.items = [];
  suggestions.active = -1;
}

function pickSuggestion(index) {
  const item = suggestions.items[index];
  if (!item) return;
  const query = placeQuery(item);
  $('place').value = query;
  // The town decides the coordinates and the zone.
  $('lon').value = '';
  $('lat').value = '';
  $('tz').value = '';
  closeSuggestions();
  showPlaceInfo(item);
  confirmPlace(query, item);
}

// When the atlas finds another town first for the name picked (a bigger town of the same name,
// region and country, or one that has the name as an alternate name), gives the picked town's
// coordinates and zone as well.
async function confirmPlace(query, item) {
  let first = null;
  try {
    const response = await fetch(`/api/v1/places?${new URLSearchParams({q: query, limit: '1'})}`);
    if (response.ok) [first] = await response.json();
  } catch (e) {
    return;
  }
  if ($('place').value !== query) return;  // changed meanwhile
  if (first && first.latitude === item.latitude && first.longitude === item.longitude) return;
  $('lon').value = String(item.longitude);
  $('lat').value = String(item.latitude);
  $('tz').value = item.zone;
}

function markActive(index) {
  suggestions.active = index;
  const options = $('place-list').children;
  for (let i = 0; i < options.length; i++) options[i].setAttribute('aria-selected', String(i === index));
}

async function suggestPlaces() {
  const text = $('place').value.trim();
  const generation = ++suggestions.generation;
  if (text.length < 2) {
    closeSuggestions();
    return;
  }
  let places = [];
  try {
    const response = await fetch(`/api/v1/places?${new URLSearchParams({q: text, limit: '8'})}`);
    if (response.ok) places = await response.json();
  } catch (e) {
    places = [];
  }
  if (generation !== suggestions.generation) return;  // a later keystroke asked again
  closeSuggestions();
  if (places.length === 0) return;
  suggestions.items = places;
  places.forEach((place, i) => {
    const option = document.createElement('li');
    option.setAttribute('role', 'option');
    option.textContent = `${placeName(place)} · ${placeWhere(place)}`;
    option.addEventListener('mousedown', (event) => {
      event.preventDefault();
      pickSuggestion(i);
    });
    $('place-list').append(option);
  });
  $('place-list').hidden = false;
  $('place').setAttribute('aria-expanded', 'true');
}

function onPlaceKey(event) {
  const count = suggestions.items.length;
  if (count === 0) return;
  if (event.key === 'ArrowDown') markActive((suggestions.active + 1) % count);
  else if (event.key === 'ArrowUp') markActive((suggestions.active + count - 1) % count);
  else if (event.key === 'Enter' && suggestions.active >= 0) pickSuggestion(suggestions.active);
  else if (event.key === 'Escape') closeSuggestions();
  else return;
  event.preventDefault();
}

function start() {
  $('chart-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const params = formParams(FORM_FIELDS);
    history.pushState(null, '', `/?${params}`);
    drawChart(params);
  });
  $('place').addEventListener('input', () => {
    showPlaceInfo(null);
    clearTimeout(suggestions.timer);
    suggestions.timer = setTimeout(suggestPlaces, 150);
  });
  $('place').addEventListener('keydown', onPlaceKey);
  $('place').addEventListener('blur', () => setTimeout(closeSuggestions, 100));
  $('wheel').addEventListener('mouseover', nameUnderPointer);
  window.addEventListener('popstate', () => {
    const params = new URLSearchParams(location.search);
    fillForm(params);
    if (params.has('date')) drawChart(params);
  });
  const params = new URLSearchParams(location.search);
  fillForm(params);
  if (params.has('date')) drawChart(params);
}

start();
