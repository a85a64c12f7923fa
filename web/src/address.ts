// The state a link carries, in the address's fragment: the step Esplora
// shows and, when the user chose one, the language ("#passo=25&lang=en").
export interface PageAddress {
  step: number | undefined;
  language: string | undefined;
}

// A BCP 47 tag as far as its shape goes: "en", "pt-BR", "zh-Hant-TW".
const languageTag = /^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$/;

// hash read leniently: a step not written in digits, or a language that is
// no tag, counts as not given. Esplora brings a step into its range.
export function readAddress(hash: string): PageAddress {
  const fields = new URLSearchParams(hash.replace(/^#/, ""));
  const stepText = fields.get("passo") ?? "";
  const step = /^[0-9]{1,9}$/.test(stepText) ? Number(stepText) : Number.NaN;
  const language = fields.get("lang") ?? "";
  return {
    step: Number.isNaN(step) ? undefined : step,
    language: languageTag.test(language) ? language : undefined,
  };
}

export function addressHash(step: number, language: string | undefined): string {
  const fields = new URLSearchParams({ passo: String(step) });
  if (language !== undefined) fields.set("lang", language);
  return `#${fields}`;
}

// How long the address may lag behind a moving control, in milliseconds:
// the browser takes about a millisecond for each change of the address.
const moveLag = 100;

// Keeps the address in step with the page without filling the history at
// every slider move: a move starts a new history entry, the moves that follow
// until the control settles (its change event) replace it, at most once in
// moveLag; a settled change (commit) is an entry of its own, written once the
// task that made it is done (a script that commits many times in one task
// makes one entry: each entry costs the browser milliseconds).
export class AddressKeeper {
  private moving = false;
  private pending: string | undefined;
  private committed: string | undefined;
  private timer: ReturnType<typeof setTimeout> | undefined;

  commit(hash: string): void {
    this.writeMoved();
    this.moving = false;
    if (this.committed === undefined) queueMicrotask(() => this.writeCommitted());
    this.committed = hash;
  }

  move(hash: string): void {
    this.writeCommitted();
    this.pending = hash;
    this.timer ??= setTimeout(() => this.writeMoved(), moveLag);
  }

  settle(): void {
    this.writeCommitted();
    this.writeMoved();
    this.moving = false;
  }

  // After back or forward: the address is the history's, a change not yet
  // written is dropped.
  followed(): void {
    this.pending = undefined;
    this.committed = undefined;
    this.settle();
  }

  private writeCommitted(): void {
    const hash = this.committed;
    this.committed = undefined;
    if (hash !== undefined && hash !== location.hash) history.pushState(null, "", hash);
  }

  private writeMoved(): void {
    clearTimeout(this.timer);
    this.timer = undefined;
    const hash = this.pending;
    this.pending = undefined;
    if (hash === undefined || hash === location.hash) return;
    if (this.moving) {
      history.replaceState(null, "", hash);
    } else {
      history.pushState(null, "", hash);
      this.moving = true;
    }
  }
}
