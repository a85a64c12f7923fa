// The core compiled to WebAssembly (web/core/binding.cpp), as its binding
// declares it.
declare module "lavoro1-core" {
  export interface Outcome {
    computed: boolean;
    steps: number; // when computed
    sides: string;
    lowerBound: string;
    upperBound: string;
    message: string; // when not computed: the warning or run-time error to show
  }
  export interface StepReading {
    step: number; // 0 when refused
    refusal: string;
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
  export interface DrawingLayout {
    stacked: boolean; // the parts one under the other, on a narrow picture
    centre: Float64Array; // x, y
    radius: number;
    text: Float64Array; // x, y of the title's top left
    inset: Float64Array; // left, top, side
    caption: Float64Array; // x, y of the inset's captions' top left
    leaderEnd: Float64Array; // x, y
    lineHeight: number;
    fontPixels: number; // the texts' type, smaller where a narrow picture needs it
  }
  // What the drawing's texts hold at their widest, whatever the step, and
  // the size of type they are measured in.
  export interface WidestDrawingTexts {
    fontPixels: number;
    step: number;
    sides: string;
    zoom: string;
  }
  export interface DigitSeries {
    name: string; // in the user's language
    points: Float64Array; // step, digits, step, digits...
  }
  // A chart series as the core gives it, its name the Italian source.
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
  export interface ChartView {
    series: DigitSeries[]; // the points shown
    lastStep: number;
    lowestDigits: number;
    topDigits: number;
    stepGrid: Float64Array;
    majorDigits: Float64Array;
    minorDigits: Float64Array;
    pointsMarked: boolean;
    runOutStep: number; // 0 when binary64 never runs out
    runOutShown: boolean;
    runOutDigits: number;
    runOutName: string;
    note: string;
  }
  export interface PictureColours {
    background: string;
    text: string;
    frame: string;
    circle: string;
    inscribed: string;
    circumscribed: string;
    grid: string;
    series: string[];
  }
  export interface Core {
    setTranslator(translate: (context: string, source: string) => string): void;
    compute(text: string, decimalSeparator: string): Outcome;
    readStep(text: string): StepReading;
    internalErrorReport(): string;
    tableHeadings(): string[];
    tableRows(first: number, last: number, decimalSeparator: string): string[][]; // steps first to last
    provenSeries(): ChartSeries[]; // doubling, Huygens, Richardson
    chartSeriesCount(): number;
    chartView(shownSteps: number, plotWidth: number): ChartView;
    pictureColours(dark: boolean): PictureColours;
    drawing(step: number, radius: number, insetWidth: number, insetHeight: number, decimalSeparator: string): Drawing;
    drawingLayout(width: number, height: number, textWidth: number): DrawingLayout;
    drawingHeight(width: number): number;
    widestDrawingTexts(decimalSeparator: string): WidestDrawingTexts;
    smallestTextScale(): number; // how far a picture's text may shrink to fit
    filledPattern(pattern: string, first: string, second: string): string;
    stepRangeText(): string;
    longestStepText(): number;
    pictureWidth(): number;
    pictureHeight(): number;
    pictureNotMadeText(fileName: string): string;
    minimumSteps(): number;
    maximumSteps(): number;
    defaultExploreStep(): number;
    lessonSections(step: number, decimalSeparator: string): LessonSection[]; // with the proven series added to the chart
    filledWith(pattern: string, arguments: string[]): string;
    stepSummary(step: number, decimalSeparator: string): StepSummary;
    tableCsv(steps: number): string;
    tableSpreadsheet(steps: number, decimalSeparator: string): Uint8Array<ArrayBuffer>;
    digitsAtText(series: ChartSeries, step: number): string;
    seriesStyles(): SeriesStyle[];
    pointDigitsText(digits: number, decimalSeparator: string): string;
    playSpeeds(): number[];
    defaultPlaySpeedIndex(): number;
    reducedMotionSpeed(): number;
  }
  export default function createCore(options?: object): Promise<Core>;
}
