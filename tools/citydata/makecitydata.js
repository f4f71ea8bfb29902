#!/usr/bin/env node
// Writes resources/json/cityCode.json, the province/city/district tree of the system
// settings' city selector: names from @vant/area-data (MIT), centre points from the map
// data of echarts 4.9.0 (Apache-2.0, map/json). A node without a centre of its own takes
// its parent's. Run by a developer (see README.md); the build only reads the output.
'use strict';

const fs = require('fs');
const path = require('path');

const moduleDir = process.argv[2] || process.cwd();
const output = process.argv[3] || path.join(__dirname, '../../resources/json/cityCode.json');
const load = (name) => require(require.resolve(name, { paths: [moduleDir] }));

const { areaList } = load('@vant/area-data');
const mapDir = path.join(path.dirname(require.resolve('echarts/package.json', { paths: [moduleDir] })),
                         'map', 'json');
const readMap = (file) => JSON.parse(fs.readFileSync(path.join(mapDir, file), 'utf8'));

// The province files of the map data, by the first two digits of the province code.
const provinceFiles = {
    11: 'beijing', 12: 'tianjin', 13: 'hebei', 14: 'shanxi', 15: 'neimenggu', 21: 'liaoning',
    22: 'jilin', 23: 'heilongjiang', 31: 'shanghai', 32: 'jiangsu', 33: 'zhejiang', 34: 'anhui',
    35: 'fujian', 36: 'jiangxi', 37: 'shandong', 41: 'henan', 42: 'hubei', 43: 'hunan',
    44: 'guangdong', 45: 'guangxi', 46: 'hainan', 50: 'chongqing', 51: 'sichuan', 52: 'guizhou',
    53: 'yunnan', 54: 'xizang', 61: 'shanxi1', 62: 'gansu', 63: 'qinghai', 64: 'ningxia',
    65: 'xinjiang', 71: 'taiwan', 81: 'xianggang', 82: 'aomen',
};

const provinceCentres = {};
for (const feature of readMap('china.json').features)
    provinceCentres[feature.properties.id] = feature.properties.cp;

// City names of china-cities.json lack the "市" ending; keep both forms.
const cityCentres = {};
for (const feature of readMap('china-cities.json').features) {
    const { name, cp } = feature.properties;
    if (cp)
        cityCentres[name] = cityCentres[name] || cp;
}

// Centres of the features of one province file by full name (cities, or the districts of a
// municipality, or the county-level cities directly under the province).
function provinceFeatureCentres(code) {
    const file = provinceFiles[code.slice(0, 2)];
    const centres = {};
    if (!file || !fs.existsSync(path.join(mapDir, 'province', file + '.json')))
        return centres;
    for (const feature of readMap(path.join('province', file + '.json')).features) {
        const { name, cp } = feature.properties;
        if (name && cp)
            centres[name] = cp;
    }
    return centres;
}

// A short name ("武汉") matches its full form ("武汉市") and the other way round.
function lookUp(centres, name) {
    if (centres[name])
        return centres[name];
    for (const key of Object.keys(centres)) {
        if (key.length >= 2 && (name.startsWith(key) || key.startsWith(name)))
            return centres[key];
    }
    return null;
}

function node(name, level, centre) {
    return { name, level, center: centre.map((value) => Number(value.toFixed(6))) };
}

const fallback = [116.3683244, 39.915085];
const provinces = [];
for (const [provinceCode, provinceName] of Object.entries(areaList.province_list)) {
    const local = provinceFeatureCentres(provinceCode);
    const province = node(provinceName, 'province', provinceCentres[provinceCode] || fallback);
    province.children = [];
    for (const [cityCode, cityName] of Object.entries(areaList.city_list)) {
        if (cityCode.slice(0, 2) !== provinceCode.slice(0, 2))
            continue;
        const cityCentre = local[cityName] || lookUp(cityCentres, cityName) || province.center;
        const city = node(cityName, 'city', cityCentre);
        city.children = [];
        for (const [countyCode, countyName] of Object.entries(areaList.county_list)) {
            if (countyCode.slice(0, 4) === cityCode.slice(0, 4))
                city.children.push(node(countyName, 'district', local[countyName] || city.center));
        }
        province.children.push(city);
    }
    provinces.push(province);
}

const root = { name: '中国', level: 'country', center: fallback, children: provinces };
// One district per line keeps the committed file readable and its diffs small.
const text = JSON.stringify(root, null, 1)
    .replace(/\[\s+([-\d.]+),\s+([-\d.]+)\s+\]/g, '[$1,$2]')
    .replace(/\{\s+("name": "[^"]*"),\s+("level": "district"),\s+("center": \[[^\]]*\])\s+\}/g,
             '{$1, $2, $3}');
fs.writeFileSync(output, text + '\n');
console.log(`${output}: ${provinces.length} provinces`);
