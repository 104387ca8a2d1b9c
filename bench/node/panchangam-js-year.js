// A year of days through the JavaScript panchang library, one getPanchangam() per
// date at Pune, 06:00 IST: the timing reference of BM_PanchangamJsYear and
// docs/performance.md. Run with NODE_PATH naming a scratch folder where
// `npm install @ishubhamx/panchangam-js` was run (never inside the repository).
const { getPanchangam, Observer } = require('@ishubhamx/panchangam-js');
const observer = new Observer(18.5196, 73.8554, 0);
let n = 0;
for (let i = 0; i < 365; ++i) {
    const date = new Date(Date.UTC(2026, 0, 1 + i, 0, 30));  // 06:00 IST
    const p = getPanchangam(date, observer, { timezoneOffset: 330 });
    n += p.tithi;
}
process.stdout.write(String(n) + "\n");
