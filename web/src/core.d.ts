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
  // A chart series as the page holds it, from the core or from certified.json.
  export interface ChartSeries {
    name: string;
    points: ArrayLike<number>; // step, digits, step, digits...
  }
  export interface LessonFormula {
    symbols: string;
    numbers: string;
    value: string;
  }
  export interface LessonSection {
    title: string; // Italian source, context "calc"
    pattern: string; // likewise, with %1.. for arguments
    arguments: string[];
    formulas: LessonFormula[];
  }
  export interface StepSummary {
    sides: string;
    lowerBound: string;
    upperBound: string;
  }
  export interface SeriesStyle {
    light: string; // CSS colours
    dark: string;
    marker: "circle" | "square" | "triangle-up" | "diamond" | "triangle-down" | "cross";
    dashes: Float64Array; // in line widths, dash then gap; empty for solid
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
    lessonSections(step: number, runOutStep: number, proven: readonly ChartSeries[], aimedAt: number, decimalSeparator: string): LessonSection[];
    filledWith(pattern: string, arguments: string[]): string;
    stepSummary(step: number, decimalSeparator: string): StepSummary;
    tableCsv(steps: number): string;
    digitsAtText(series: ChartSeries, step: number): string;
    seriesStyles(): SeriesStyle[];
    pointDigitsText(digits: number): string;
    playSpeeds(): number[];
    defaultPlaySpeedIndex(): number;
    reducedMotionSpeed(): number;
  }
  export default function createCore(options?: object): Promise<Core>;
}
