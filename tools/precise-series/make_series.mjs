// make_series: writes the series of the precise engine (astro/series/*_generated.cpp) from the npm
// package astronomia (MIT; its data folder holds IMCCE's VSOP87D and ELP/MPP02 series and the
// IERS/USNO Delta T values): VSOP87D for the Earth and Mercury to Neptune and ELP/MPP02 (DE405
// fit) for the Moon, each truncated to an error budget over 1800-2100, and the Delta T table.
//
//   node make_series.mjs --npm-dir DIR --out DIR      write the three files
//   node make_series.mjs --npm-dir DIR --verify DIR   exit 1 unless the committed files are current
//
// The package is installed with npm into --npm-dir when it is not there yet. The truncation is a
// deterministic search (fixed sample instants, no randomness), so the output is the same to the byte.
import { execFileSync } from 'node:child_process'
import fs from 'node:fs'
import path from 'node:path'
import { pathToFileURL } from 'node:url'

const kPackage = 'astronomia'
const kVersion = '4.3.0'
const kJd1800 = 2378496.5 // 1800 January 1, 0h
const kJd2101 = 2488434.5 // 2101 January 1, 0h
const kArcsecRad = Math.PI / 180 / 3600
// Budgets, arcseconds: each planet's heliocentric position (direction and distance) and the Moon's
// geocentric direction; the Earth, whose error every planet shares, gets half. The search aims
// below the budget on its sample instants; a denser set of instants then checks the budget itself.
const kBudgetArcsec = 0.1
const kEarthBudgetArcsec = 0.05
const kSearchShare = 0.9
const kSearchSamples = 2000
const kCheckSamples = 12000

function usage() {
  process.stderr.write('usage: node make_series.mjs --npm-dir DIR (--out DIR | --verify DIR)\n')
  process.exit(2)
}

function parseArguments() {
  const a = { npmDir: '', out: '', verify: '' }
  const argv = process.argv.slice(2)
  for (let i = 0; i < argv.length; i += 2) {
    if (i + 1 >= argv.length) usage()
    if (argv[i] === '--npm-dir') a.npmDir = argv[i + 1]
    else if (argv[i] === '--out') a.out = argv[i + 1]
    else if (argv[i] === '--verify') a.verify = argv[i + 1]
    else usage()
  }
  if (!a.npmDir || (!a.out === !a.verify)) usage()
  return a
}

function ensurePackage(npmDir) {
  const dataDir = path.join(npmDir, 'node_modules', kPackage, 'data')
  const manifest = path.join(npmDir, 'node_modules', kPackage, 'package.json')
  const have = fs.existsSync(manifest) && JSON.parse(fs.readFileSync(manifest, 'utf8')).version === kVersion
  if (!have) {
    fs.mkdirSync(npmDir, { recursive: true })
    execFileSync('npm', ['install', '--prefix', npmDir, '--no-save', '--no-package-lock', '--no-audit', '--no-fund',
      `${kPackage}@${kVersion}`], { stdio: ['ignore', 'ignore', 'inherit'] })
  }
  return dataDir
}

async function load(dataDir, name) {
  return (await import(pathToFileURL(path.join(dataDir, name + '.js')).href)).default
}

// Sample instants, Julian days, spread evenly over 1800-2100 with an offset per set.
function instants(count, offset) {
  const out = []
  for (let k = 0; k < count; ++k) out.push(kJd1800 + ((k + offset) / count) * (kJd2101 - kJd1800))
  return out
}

// ---- VSOP87D: rows [A, B, C], each power p of tau (Julian millennia from J2000) summing
// A cos(B + C tau); L and B in radians, R in au.

const kPlanets = ['mercury', 'venus', 'mars', 'jupiter', 'saturn', 'uranus', 'neptune']
const kMeanDistanceAu = { earth: 1, mercury: 0.387, venus: 0.723, mars: 1.524, jupiter: 5.203, saturn: 9.537,
  uranus: 19.19, neptune: 30.07 }
const kTauMax = 0.2 // the farthest instant of 1800-2100 from J2000, millennia

function vsopSum(powers, tau) {
  let sum = 0
  let tp = 1
  for (const rows of powers) {
    let s = 0
    for (const [a, b, c] of rows) s += a * Math.cos(b + c * tau)
    sum += s * tp
    tp *= tau
  }
  return sum
}

function vsopCoordinates(body, tau) {
  return [vsopSum(body.L, tau), vsopSum(body.B, tau), vsopSum(body.R, tau)]
}

function rectangular([l, b, r]) {
  return [r * Math.cos(b) * Math.cos(l), r * Math.cos(b) * Math.sin(l), r * Math.sin(b)]
}

function angleBetween(u, v) {
  const c = [u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]]
  return Math.atan2(Math.hypot(...c), u[0] * v[0] + u[1] * v[1] + u[2] * v[2])
}

// The series by power; rows that are not numbers in the package (one in Uranus' L4, one in
// Neptune's L4, two in Neptune's B3) are left out and counted.
let leftOutRows = 0
function asPowers(series) {
  return Object.keys(series).sort((x, y) => x - y).map((k) => series[k].filter((r) => {
    const good = r.every(Number.isFinite)
    if (!good) ++leftOutRows
    return good
  }))
}

// The body with the terms whose largest contribution over 1800-2100 (A tau_max^p; for R scaled by
// the mean distance, so that the threshold is an angle) reaches eps radians.
function truncateVsop(full, eps, meanAu) {
  const keep = (powers, scale) => powers.map((rows, p) => rows.filter(([a]) => a * kTauMax ** p >= eps * scale))
  return { L: keep(full.L, 1), B: keep(full.B, 1), R: keep(full.R, meanAu) }
}

function termCount(body) {
  let n = 0
  for (const c of Object.values(body)) for (const rows of c) n += rows.length
  return n
}

// Largest eps (on a log scale, 24 halvings between low and high) whose truncation keeps
// error(truncated) within the limit.
function searchEps(error, limit, low, high) {
  let lo = Math.log(low)
  let hi = Math.log(high)
  for (let i = 0; i < 24; ++i) {
    const mid = (lo + hi) / 2
    if (error(Math.exp(mid)) <= limit) lo = mid
    else hi = mid
  }
  return Math.exp(lo)
}

function vsopVectors(body, taus) {
  return taus.map((tau) => rectangular(vsopCoordinates(body, tau)))
}

// The largest heliocentric error of the truncated body, |P_full - P_cut| / |P_full| in
// arcseconds: the error of the direction and of the distance together, seen from the Sun.
function heliocentricError(full, cut) {
  let worst = 0
  for (let k = 0; k < full.length; ++k) {
    const d = Math.hypot(full[k][0] - cut[k][0], full[k][1] - cut[k][1], full[k][2] - cut[k][2])
    worst = Math.max(worst, d / Math.hypot(...full[k]))
  }
  return worst / kArcsecRad
}

// Truncates with the search aiming at a share of the budget, and aims lower until the check on
// the denser instants keeps within the budget itself.
function withinBudget(budget, truncate) {
  for (let limit = budget * kSearchShare; ; limit *= 0.9) {
    const t = truncate(limit)
    if (t.checkArcsec <= budget) return t
  }
}

function truncateAllVsop(series) {
  const taus = (jds) => jds.map((jd) => (jd - 2451545.0) / 365250.0)
  const search = taus(instants(kSearchSamples, 0.5))
  const check = taus(instants(kCheckSamples, 0.25))
  const result = {}
  for (const name of ['earth', ...kPlanets]) {
    const full = vsopVectors(series[name], search)
    const budget = name === 'earth' ? kEarthBudgetArcsec : kBudgetArcsec
    const fullCheck = vsopVectors(series[name], check)
    result[name] = withinBudget(budget, (limit) => {
      const eps = searchEps((e) => heliocentricError(full, vsopVectors(truncateVsop(series[name], e, kMeanDistanceAu[name]), search)),
        limit, 1e-11, 1e-5)
      const body = truncateVsop(series[name], eps, kMeanDistanceAu[name])
      return { body, eps, checkArcsec: heliocentricError(fullCheck, vsopVectors(body, check)) }
    })
  }
  return result
}

// ---- ELP/MPP02 (DE405 fit): rows [A, p0, p1, p2, p3, p4], each power p of T (Julian centuries
// from J2000) summing A sin(p0 + p1 T + p2 T^2 + p3 T^3 + p4 T^4); L and B in arcseconds, R in km.

const kTMax = 2.0 // the farthest instant of 1800-2100 from J2000, centuries
const kMoonDistanceKm = 385000.0

function elpSum(powers, t) {
  let sum = 0
  let tp = 1
  for (const rows of powers) {
    let s = 0
    for (const r of rows) s += r[0] * Math.sin(r[1] + t * (r[2] + t * (r[3] + t * (r[4] + t * r[5]))))
    sum += s * tp
    tp *= t
  }
  return sum
}

function elpDirection(moon, t) {
  const l = elpSum(moon.L, t) * kArcsecRad
  const b = elpSum(moon.B, t) * kArcsecRad
  return [Math.cos(b) * Math.cos(l), Math.cos(b) * Math.sin(l), Math.sin(b)]
}

// The terms whose largest contribution over 1800-2100 reaches eps arcseconds (for R, eps as an
// angle at the Moon's distance).
function truncateElp(full, eps) {
  const kmPerArcsec = kMoonDistanceKm * kArcsecRad
  const keep = (powers, scale) => powers.map((rows, p) => rows.filter((r) => Math.abs(r[0]) * kTMax ** p >= eps * scale))
  return { L: keep(full.L, 1), B: keep(full.B, 1), R: keep(full.R, kmPerArcsec) }
}

function truncateMoon(full) {
  const ts = (jds) => jds.map((jd) => (jd - 2451545.0) / 36525.0)
  const search = ts(instants(kSearchSamples, 0.5))
  const check = ts(instants(kCheckSamples, 0.25))
  const error = (body, times, fullDirections) => {
    let worst = 0
    times.forEach((t, k) => { worst = Math.max(worst, angleBetween(fullDirections[k], elpDirection(body, t))) })
    return worst / kArcsecRad
  }
  const fullSearch = search.map((t) => elpDirection(full, t))
  const fullCheck = check.map((t) => elpDirection(full, t))
  return withinBudget(kBudgetArcsec, (limit) => {
    const eps = searchEps((e) => error(truncateElp(full, e), search, fullSearch), limit, 1e-6, 1)
    const body = truncateElp(full, eps)
    return { body, eps, checkArcsec: error(body, check, fullCheck) }
  })
}

// ---- Writing C++.

const kHeader = (what) =>
  `// Generated by tools/precise-series/make_series.mjs from the npm package ${kPackage} ${kVersion}\n` +
  `// (MIT licence; ${what}); do not edit. See docs/data.md.\n`

function number(x) {
  return Object.is(x, -0) ? '-0.0' : String(x)
}

function rowsText(name, type, rows) {
  if (rows.length === 0) return ''
  const lines = rows.map((r) => `    {${r.map(number).join(', ')}},`)
  return `constexpr ${type} ${name}[] = {\n${lines.join('\n')}\n};\n`
}

function seriesList(prefix, powers, type) {
  const items = powers.map((rows, p) => (rows.length ? `${type}{k${prefix}${p}, ${rows.length}}` : `${type}{nullptr, 0}`))
  return `{${items.join(', ')}}, ${powers.length}`
}

function capital(s) {
  return s[0].toUpperCase() + s.slice(1)
}

function vsopText(truncated) {
  let rows = ''
  let bodies = ''
  let summary = ''
  for (const name of ['earth', ...kPlanets]) {
    const { body, eps, checkArcsec } = truncated[name]
    const n = capital(name)
    for (const c of ['L', 'B', 'R']) {
      body[c].forEach((r, p) => { rows += rowsText(`k${n}${c}${p}`, 'Vsop87Term', r) })
    }
    const lists = ['L', 'B', 'R'].map((c) => `{${seriesList(n + c, body[c], 'Vsop87Series')}}`)
    bodies += `const Vsop87Body kVsop87d${n} = {${lists.join(', ')}};\n`
    summary += `// ${n}: ${termCount(body)} terms (A tau_max^p >= ${eps.toExponential(3)} rad), ` +
      `largest heliocentric error ${checkArcsec.toFixed(4)}" ` +
      `over ${kCheckSamples} instants 1800-2100\n`
  }
  return kHeader("IMCCE's VSOP87D: Bretagnon and Francou 1988") + summary +
    `// ${leftOutRows} rows of the package that are not numbers are left out.\n` +
    '#include "astro/vsop87d.h"\n\n// clang-format off\nnamespace caelix {\n\nnamespace {\n\n' + rows +
    '\n}  // namespace\n\n' + bodies + '\n}  // namespace caelix\n// clang-format on\n'
}

function elpText(truncated, w1, full) {
  const { body, eps, checkArcsec } = truncated
  let rows = ''
  for (const c of ['L', 'B', 'R']) body[c].forEach((r, p) => { rows += rowsText(`kMoon${c}${p}`, 'ElpTerm', r) })
  const lists = ['L', 'B', 'R'].map((c) => `{${seriesList('Moon' + c, body[c], 'ElpSeries')}}`)
  const f = meanArgumentOfLatitude(full)
  return kHeader("IMCCE's ELP/MPP02 fitted to DE405: Chapront and Francou 2003") +
    `// ${termCount(body)} terms (|A| T_max^p >= ${eps.toExponential(3)}"), largest error of the direction ` +
    `${checkArcsec.toFixed(4)}" over ${kCheckSamples} instants 1800-2100\n` +
    '#include "astro/elp_mpp02.h"\n\n// clang-format off\nnamespace caelix {\n\nnamespace {\n\n' + rows +
    '\n}  // namespace\n\n' +
    `const ElpMoon kElpMpp02Moon = {{${w1.map(number).join(', ')}}, {${f.map(number).join(', ')}}, ${lists.join(', ')}};\n` +
    '\n}  // namespace caelix\n// clang-format on\n'
}

// The mean argument of latitude F as the series use it: the phase polynomial of the largest
// latitude term, A sin F (checked: a positive amplitude and F's rate of about 8433 rad/century).
function meanArgumentOfLatitude(full) {
  const rows = full.B[0]
  let best = rows[0]
  for (const r of rows) if (Math.abs(r[0]) > Math.abs(best[0])) best = r
  if (!(best[0] > 0 && Math.abs(best[2] - 8433.466) < 0.01)) throw new Error('unexpected main latitude term')
  return best.slice(1)
}

// ---- Delta T: USNO/IERS values as the package gives them: half-yearly 1657-1973, monthly
// 1973-2023, predicted quarterly to 2032 (shifted to meet the last observed value); written as
// (Julian day, seconds) nodes.

function jdOfYear(year) {
  return 2451545.0 + (year - 2000.0) * 365.25
}

function gregorianJd(year, month) {
  const y = month <= 2 ? year - 1 : year
  const m = month <= 2 ? month + 12 : month
  const a = Math.floor(y / 100)
  return Math.floor(365.25 * (y + 4716)) + Math.floor(30.6001 * (m + 1)) + 1 + 2 - a + Math.floor(a / 4) - 1524.5
}

// The first year of the observed Delta T kept: before it the precise engine takes the splines of
// Stephenson, Morrison and Hohenkerk (make_delta_t_spline.py), which are closer to the
// observations of the nineteenth and early twentieth centuries than USNO's historic series.
const kFirstDeltaTYear = 1955

function deltaTText(d) {
  const nodes = []
  const h = d.historic
  const hStep = (h.last - h.first) / (h.table.length - 1)
  h.table.forEach((v, k) => {
    const year = h.first + k * hStep
    if (year >= kFirstDeltaTYear && year < d.data.first) nodes.push([jdOfYear(year), v])
  })
  let [year, month] = d.data.firstYM
  for (const v of d.data.table) {
    nodes.push([gregorianJd(year, month), v])
    if (++month > 12) { month = 1; ++year }
  }
  const [lastJd, lastSeconds] = nodes[nodes.length - 1]
  // The predictions, shifted to continue from the last observed value (they start from an older
  // estimate: 67.9 s in 2022 where 69.2 s was observed).
  const p = d.prediction
  const pStep = (p.last - p.first) / (p.table.length - 1)
  const predicted = p.table.map((v, k) => [jdOfYear(p.first + k * pStep), v])
  const after = predicted.findIndex(([jd]) => jd > lastJd)
  const [jd0, v0] = predicted[after - 1]
  const [jd1, v1] = predicted[after]
  const shift = lastSeconds - (v0 + ((lastJd - jd0) / (jd1 - jd0)) * (v1 - v0))
  for (const [jd, v] of predicted.slice(after)) nodes.push([jd, v + shift])
  const lines = nodes.map(([jd, v]) => `    {${number(jd)}, ${number(v)}},`)
  return kHeader('USNO and IERS observed and predicted values of Delta T') +
    `// ${nodes.length} nodes, JD ${number(nodes[0][0])} to ${number(lastJd)} observed, to ` +
    `${number(nodes[nodes.length - 1][0])} predicted.\n` +
    '#include "astro/delta_t.h"\n\nnamespace caelix {\n\nnamespace {\n\n' +
    `constexpr DeltaTNode kNodes[] = {\n${lines.join('\n')}\n};\n\n}  // namespace\n\n` +
    `const DeltaTTable kObservedDeltaT = {kNodes, ${nodes.length}, ${number(lastJd)}};\n\n}  // namespace caelix\n`
}

// ---- Main.

const args = parseArguments()
const dataDir = ensurePackage(path.resolve(args.npmDir))
const vsop = {}
for (const name of ['earth', ...kPlanets]) {
  const d = await load(dataDir, 'vsop87D' + name)
  vsop[name] = { L: asPowers(d.L), B: asPowers(d.B), R: asPowers(d.R) }
}
const elp = await load(dataDir, 'elpMppDeFull')
const moon = { L: asPowers(elp.L), B: asPowers(elp.B), R: asPowers(elp.R) }
const files = {
  'vsop87d_generated.cpp': vsopText(truncateAllVsop(vsop)),
  'elp_mpp02_generated.cpp': elpText(truncateMoon(moon), elp.W1, moon),
  'delta_t_generated.cpp': deltaTText(await load(dataDir, 'deltat')),
}
let stale = 0
for (const [name, text] of Object.entries(files)) {
  if (args.out) {
    fs.mkdirSync(args.out, { recursive: true })
    fs.writeFileSync(path.join(args.out, name), text)
    process.stdout.write(`make_series: wrote ${path.join(args.out, name)}\n`)
  } else {
    const file = path.join(args.verify, name)
    const same = fs.existsSync(file) && fs.readFileSync(file, 'utf8') === text
    if (!same) {
      process.stderr.write(`make_series: ${file} differs from what the generator writes\n`)
      stale = 1
    }
  }
}
process.exit(stale)
