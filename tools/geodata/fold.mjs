// SPDX-License-Identifier: MIT
// The search key of a name. PlaceIndex::fold (C++) must give the same result for the same text.
const SPECIAL = new Map(Object.entries({
  'ß': 'ss', 'æ': 'ae', 'œ': 'oe', 'ø': 'o', 'đ': 'd', 'ð': 'd', 'þ': 'th', 'ł': 'l', 'ı': 'i', 'ħ': 'h',
}));

export function fold(text) {
  const s = text.toLowerCase().normalize('NFD');
  let out = '';
  let space = true; // no leading blank
  for (const ch of s) {
    if (/\p{M}/u.test(ch)) continue;
    const mapped = SPECIAL.get(ch) ?? ch;
    if (/^[\p{L}\p{N}]+$/u.test(mapped)) {
      out += mapped;
      space = false;
    } else if (!space) {
      out += ' ';
      space = true;
    }
  }
  return out.endsWith(' ') ? out.slice(0, -1) : out;
}

// German-style transliteration of umlauts ("München" -> "muenchen"), an extra key where it differs.
export function foldGerman(text) {
  return fold(text.toLowerCase().replace(/ä/g, 'ae').replace(/ö/g, 'oe').replace(/ü/g, 'ue'));
}
