// The core compiled to WebAssembly (web/core/binding.cpp), as its binding
// declares it.
declare module "lavoro1-core" {
  export interface Outcome {
    computed: boolean;
    steps: number; // when computed
    sides: string;
    lowerBound: string;
    upperBound: string;
    warning: string;
    errorNumber: number;
    errorDescription: string;
  }
  export interface Drawing {
    drawnEvery: number;
    inscribed: Float64Array;
    circumscribed: Float64Array;
    arcMiddle: Float64Array;
    insetCircle: Float64Array;
    insetInscribed: Float64Array;
    insetCircumscribed: Float64Array;
    sides: string;
    alongZoom: string;
    acrossZoom: string;
  }
  export interface DigitSeries {
    name: string;
    points: Float64Array; // step, digits, step, digits...
  }
  export interface Core {
    compute(text: string, decimalSeparator: string): Outcome;
    tableText(steps: number, decimalSeparator: string): string;
    binary64Series(steps: number): DigitSeries[];
    firstStepPastPi(steps: number): number;
    drawing(step: number, radius: number, insetWidth: number, insetHeight: number, decimalSeparator: string): Drawing;
    filledPattern(pattern: string, first: string, second: string): string;
    tooManyStepsWarning(): string;
    stepRangePattern(): string;
    minimumSteps(): number;
    maximumSteps(): number;
    defaultExploreStep(): number;
  }
  export default function createCore(options?: object): Promise<Core>;
}
