// The WebAssembly module of the bare page that the page's start is measured
// against: the same weight and shape as the page's core (about 560
// functions, 91 KB of code, 15 KB of data), made deterministically, so that
// instantiating it costs the browser what instantiating any module of that
// size costs: fetching, compiling and copying its data. Its one export,
// answer(n), runs through a chain of the functions and returns a number.

// An unsigned or signed LEB128 number, as the binary format writes them.
const unsigned = (value) => {
  const bytes = [];
  do {
    let byte = value & 0x7f;
    value >>>= 7;
    if (value !== 0) byte |= 0x80;
    bytes.push(byte);
  } while (value !== 0);
  return bytes;
};
const signed = (value) => {
  const bytes = [];
  for (;;) {
    const byte = value & 0x7f;
    value >>= 7;
    if ((value === 0 && (byte & 0x40) === 0) || (value === -1 && (byte & 0x40) !== 0)) return [...bytes, byte];
    bytes.push(byte | 0x80);
  }
};
const vector = (items) => [...unsigned(items.length), ...items.flat()];
const section = (id, content) => [id, ...unsigned(content.length), ...content];
const name = (text) => vector([...Buffer.from(text)]);

// A linear congruential generator: the same module at every run.
function numbers(seed) {
  let state = seed >>> 0;
  return () => {
    state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
    return state;
  };
}

const [i32, localGet, i32Const, i32Add, i32Mul, i32Xor, i32Rotl, i32Load, call, end] = [0x7f, 0x20, 0x41, 0x6a, 0x6c, 0x73, 0x77, 0x28, 0x10, 0x0b];

// Function f of functions: x mixed with constants and data, then passed on
// to the function before it (function 0 returns).
function body(f, next, codeBytes) {
  const code = [];
  code.push(localGet, 0);
  while (code.length < codeBytes - 12) {
    const operation = next() % 4;
    if (operation === 3) code.push(i32Const, ...signed(next() % 14000), i32Load, 2, 0, i32Xor);
    else code.push(i32Const, ...signed((next() | 0) >> 8), [i32Add, i32Mul, i32Rotl][operation]);
  }
  if (f > 0) code.push(call, ...unsigned(f - 1));
  code.push(end);
  return vector([0, ...code]);
}

export function floorWasm({ functions = 560, codeBytes = 91_000, dataBytes = 15_000 } = {}) {
  const next = numbers(20_251_208);
  const bodies = Array.from({ length: functions }, (_, f) => body(f, next, Math.floor(codeBytes / functions)));
  // Text-like data, compressible as the core's strings and tables are.
  const words = ["lati", "passo", "limite", "poligono", "cifre", "0.", "1", "2", "3", "5", "8", " ", " "];
  const data = Buffer.from(
    Array.from({ length: dataBytes }, () => words[next() % words.length])
      .join("")
      .slice(0, dataBytes),
  );
  return Uint8Array.from([
    ...[0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00],
    ...section(1, vector([[0x60, 1, i32, 1, i32]])),
    ...section(3, vector(bodies.map(() => [0]))),
    ...section(5, vector([[0x00, 1]])),
    ...section(7, vector([[...name("answer"), 0x00, ...unsigned(functions - 1)]])),
    ...section(10, vector(bodies)),
    ...section(11, vector([[0x00, i32Const, 0, end, ...vector([...data])]])),
  ]);
}
