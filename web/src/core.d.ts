// The core compiled to WebAssembly (web/core/binding.cpp): one function for
// each thing the user does, each returning that face's whole view. Checked
// against the binding by tests/core_declarations.test.ts.
declare module "lavoro1-core" {
  // A text from its baseline's left end (its middle where centred), to fit
  // in room pixels where room is above 0.
  export interface PlacedText {
    x: number;
    y: number;
    text: string;
    room: number;
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
  export interface SeriesStyle {
    light: string; // CSS colours
    dark: string;
    marker: "circle" | "square" | "triangle-up" | "diamond" | "triangle-down" | "cross";
    dashes: Float64Array; // in line widths, dash then gap; empty for solid
  }
  // Form1's client area and its controls' places by name: left, top, width, height.
  export interface Form1Layout {
    width: number;
    height: number;
    controls: Record<string, Float64Array>;
  }
  // What stays while the language does.
  export interface PageView {
    minimumSteps: number;
    maximumSteps: number;
    defaultStep: number;
    longestStepText: number;
    stepRange: string;
    internalError: string; // the report when the core itself fails
    form1: Form1Layout;
    headings: string[]; // the step table's
    provenHeadings: string[]; // with the proven digits
    widestDrawingTexts: string[]; // measured in drawingFontPixels for the drawing's layout
    drawingFontPixels: number;
    stepDescription: string;
    pictureWidth: number;
    pictureHeight: number;
    smallestTextScale: number; // how far a picture's text may shrink to fit
    chartFontPixels: Float64Array; // title, axis title, legend
    lightColours: PictureColours;
    darkColours: PictureColours;
    seriesStyles: SeriesStyle[];
    playSpeeds: number[];
    defaultPlaySpeedIndex: number;
    reducedMotionSpeed: number;
  }
  export interface Form1Outcome {
    computed: boolean;
    steps: number;
    sides: string;
    lowerBound: string;
    upperBound: string;
    announcement: string;
    message: string; // when not computed: the warning or run-time error to show
  }
  export interface StepReading {
    step: number; // 0 when refused
    refusal: string;
  }
  // Rectangles are left, top, width, height; segments x1, y1, x2, y2; points x, y, x, y...
  export interface DrawingView {
    width: number;
    height: number;
    fontPixels: number;
    centre: Float64Array;
    radius: number;
    inscribed: Float64Array;
    circumscribed: Float64Array;
    marker: Float64Array;
    leader: Float64Array; // empty when none
    texts: PlacedText[]; // the title, the legend's three names, the inset's three captions
    swatches: Float64Array[]; // the legend's samples: circle, inscribed, circumscribed
    inset: Float64Array;
    insetCircle: Float64Array;
    insetInscribed: Float64Array;
    insetCircumscribed: Float64Array;
  }
  export interface ChartSeriesView {
    name: string;
    path: Float64Array;
    points: Float64Array; // step, digits, x, y... when pointsRead
  }
  export interface ChartLegendEntry extends PlacedText {
    sample: Float64Array; // its line; the marker at its middle
  }
  export interface ChartView {
    width: number;
    height: number;
    plot: Float64Array;
    stepLines: Float64Array;
    stepLabels: PlacedText[];
    majorLines: Float64Array;
    minorLines: Float64Array;
    digitLabels: PlacedText[];
    title: PlacedText;
    stepTitle: PlacedText;
    digitsTitle: PlacedText; // turned a quarter anticlockwise
    series: ChartSeriesView[];
    pointsMarked: boolean;
    runOut: Float64Array; // x, y; empty when not shown
    legend: ChartLegendEntry[];
    note: string;
  }
  export interface LessonFormula {
    symbols: string;
    numbers: string;
    value: string;
  }
  export interface LessonSection {
    title: string;
    text: string;
    formulas: LessonFormula[];
  }
  export interface EsploraRequest {
    step: number;
    decimalSeparator: string;
    drawing?: [width: number, height: number, textWidth: number]; // height 0: the core's
    chart?: [width: number, height: number];
    pointsRead?: boolean;
    rows?: [first: number, last: number];
    proven?: boolean;
    lesson?: boolean;
  }
  export interface EsploraView {
    step: number;
    announcement: string;
    stepText: string;
    drawingFileName: string; // as SVG
    chartFileName: string;
    drawing?: DrawingView;
    chart?: ChartView;
    firstRow: number;
    rows: string[][];
    lesson: LessonSection[];
  }
  export interface Core {
    // The page's catalogue lookup for the language it shows, at each choice of language.
    setLanguage(translate: (context: string, source: string) => string): void;
    pageView(decimalSeparator: string): PageView;
    form1Compute(text: string, decimalSeparator: string): Form1Outcome;
    readStep(text: string): StepReading;
    esploraStep(request: EsploraRequest): EsploraView;
    chartPointText(name: string, step: number, digits: number, decimalSeparator: string): string;
    tableFile(steps: number, format: "csv" | "ods", decimalSeparator: string): Uint8Array<ArrayBuffer>;
    pictureNotMadeText(fileName: string): string;
  }
  export default function createCore(options?: object): Promise<Core>;
}
