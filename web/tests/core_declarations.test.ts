// The binding's declarations (src/core.d.ts) against the binding itself: the
// core's functions are those Core declares, and what each returns has the
// fields its declaration gives, no more and no fewer, down to the leaves.
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { expect, test } from "@playwright/test";
import ts from "typescript";

const web = join(import.meta.dirname, "..");

// A value's shape: a leaf's kind, an array's element, an object's fields (a
// field that may be absent ends in "?"; "*" for any key of a record).
type Shape = string | Shape[] | { [field: string]: Shape };

function declaredShapes(): Record<string, Shape> {
  const file = join(web, "src", "core.d.ts");
  const program = ts.createProgram([file], { strict: true, skipLibCheck: true, lib: ["lib.es2022.d.ts", "lib.dom.d.ts"] });
  const checker = program.getTypeChecker();
  const shapeOf = (type: ts.Type): Shape => {
    if (type.isUnion() && type.types.every((member) => member.flags & ts.TypeFlags.StringLiteral)) return "string";
    if (type.flags & ts.TypeFlags.StringLike) return "string";
    if (type.flags & ts.TypeFlags.NumberLike) return "number";
    if (type.flags & ts.TypeFlags.BooleanLike) return "boolean";
    if (type.flags & ts.TypeFlags.Void) return "undefined";
    if (checker.isArrayType(type) || checker.isTupleType(type)) return [shapeOf(checker.getTypeArguments(type as ts.TypeReference)[0] as ts.Type)];
    const name = type.getSymbol()?.getName() ?? "";
    if (/^(Float64|Uint8)Array$/.test(name)) return name;
    const index = checker.getIndexInfosOfType(type)[0];
    if (index) return { "*": shapeOf(index.type) };
    const fields: Record<string, Shape> = {};
    for (const property of checker.getPropertiesOfType(type)) {
      const optional = property.flags & ts.SymbolFlags.Optional ? "?" : "";
      fields[property.getName() + optional] = shapeOf(checker.getNonNullableType(checker.getTypeOfSymbol(property)));
    }
    return fields;
  };
  const source = program.getSourceFile(file);
  let core: ts.InterfaceDeclaration | undefined;
  const find = (node: ts.Node): void => {
    if (ts.isInterfaceDeclaration(node) && node.name.text === "Core") core = node;
    ts.forEachChild(node, find);
  };
  if (source) find(source);
  if (!core) throw new Error("core.d.ts declares no Core");
  const methods: Record<string, Shape> = {};
  for (const member of core.members) {
    const signature = checker.getSignatureFromDeclaration(member as ts.MethodSignature);
    if (member.name && signature) methods[member.name.getText()] = shapeOf(checker.getReturnTypeOfSignature(signature));
  }
  return methods;
}

// Each function called once, with arguments that fill every part of its answer.
const calls: [string, unknown[]][] = [
  ["pageView", [","]],
  ["form1Compute", ["5", ","]],
  ["readStep", ["x"]],
  ["esploraStep", [{ step: 30, decimalSeparator: ",", drawing: [900, 0, 200], chart: [900, 0], pointsRead: true, rows: [1, 3], proven: true, lesson: true }]],
  ["chartPointText", ["x", 1, 1, ","]],
  ["tableFile", [3, "csv", ","]],
  ["pictureNotMadeText", ["a.png"]],
  ["setLanguage", [undefined]],
];

test("the declarations of the binding are those of the binding", async ({ page }) => {
  const declared = declaredShapes();
  // The core's module beside the page's .wasm, in a page of its own.
  await page.route("**/core-under-test.mjs", (route) =>
    route.fulfill({ contentType: "text/javascript", body: readFileSync(join(web, "build", "core", "lavoro1_core.mjs")) }),
  );
  await page.route("**/core-under-test.html", (route) => route.fulfill({ contentType: "text/html", body: "<!DOCTYPE html><title>core</title>" }));
  await page.goto("/core-under-test.html");
  const answered = await page.evaluate(async (calls) => {
    const shapeOf = (value: unknown): unknown => {
      if (value instanceof Float64Array || value instanceof Uint8Array) return value.constructor.name;
      if (Array.isArray(value)) return value.length > 0 ? [shapeOf(value[0])] : [];
      if (value !== null && typeof value === "object") return Object.fromEntries(Object.entries(value).map(([field, inner]) => [field, shapeOf(inner)]));
      return typeof value;
    };
    const { default: createCore } = await import(`${location.origin}/core-under-test.mjs`);
    const core = await createCore();
    const functions = Object.keys(core).filter((name) => typeof core[name] === "function" && "argCount" in core[name]);
    return { functions, shapes: Object.fromEntries(calls.map(([name, args]) => [name, shapeOf(core[name](...args))])) };
  }, calls);
  expect(answered.functions.sort()).toEqual(Object.keys(declared).sort());
  expect(calls.map(([name]) => name).sort()).toEqual(Object.keys(declared).sort());
  // A declared shape against an answer's: optional fields may be missing,
  // an empty array says nothing of its elements.
  const compare = (want: Shape, got: unknown, path: string): void => {
    if (typeof want === "string") {
      expect(got, path).toBe(want);
    } else if (Array.isArray(want)) {
      expect(Array.isArray(got), path).toBe(true);
      const [element] = got as unknown[];
      if (element !== undefined) compare(want[0] as Shape, element, `${path}[0]`);
    } else {
      expect(typeof got, path).toBe("object");
      const fields = got as Record<string, unknown>;
      const record = want["*"];
      for (const [name, value] of Object.entries(fields)) {
        const shape = record ?? want[name] ?? want[`${name}?`];
        expect(shape, `${path}.${name} is declared`).toBeDefined();
        if (shape !== undefined) compare(shape, value, `${path}.${name}`);
      }
      const required = Object.keys(want).filter((field) => field !== "*" && !field.endsWith("?"));
      for (const name of required) expect(name in fields, `${path}.${name} is there`).toBe(true);
    }
  };
  for (const [name, shape] of Object.entries(declared)) compare(shape, answered.shapes[name], name);
});
