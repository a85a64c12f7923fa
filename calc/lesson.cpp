#include "calc/lesson.hpp"

#include "calc/digits.hpp"
#include "calc/drawing.hpp"
#include "calc/module1.hpp"
#include "calc/step_rows.hpp"
#include "runtime/translatable.hpp"

namespace calc {

StepValues stepValues(std::int32_t step) {
    Module1 module;
    module.sideCount = startSideCount;
    module.sideLength = startSideLength;
    // Step - 1 doublings reach the polygons of the step; one more computes
    // their bounds and the next side, as the whole run would.
    module.iterationCount = step - 1;
    module.DoublePolygons();
    StepValues values;
    values.step = step;
    values.sides = module.sideCount;
    values.side = module.sideLength;
    values.halfSide = module.sideLength / 2.0;
    module.iterationCount = 1;
    module.DoublePolygons();
    values.apothem = module.apothem;
    values.outerSide = module.outerSide;
    values.lowerBound = module.lowerBound;
    values.upperBound = module.upperBound;
    values.sagitta = module.sagitta;
    values.nextSide = module.sideLength;
    return values;
}

namespace {

std::vector<LessonFormula> recurrence(const StepValues& at, std::string_view separator) {
    const auto number = [separator](double value) { return exactNumber(value, separator); };
    const std::string n = number(at.sides);
    const std::string s = number(at.side);
    const std::string h = number(at.halfSide);
    const std::string a = number(at.apothem);
    const std::string g = number(at.sagitta);
    return {
        {"h = s / 2", s + " / 2", h},
        {"a = √(1 − h²)", "√(1 − " + h + "²)", a},
        {"t = s / a", s + " / " + a, number(at.outerSide)},
        {"p = n · s / 2", n + " · " + s + " / 2", number(at.lowerBound)},
        {"P = n · t / 2", n + " · " + number(at.outerSide) + " / 2", number(at.upperBound)},
        {"g = 1 − a", "1 − " + a, g},
        {"s′ = √(h² + g²)", "√(" + h + "² + " + g + "²)", number(at.nextSide)},
        {"n′ = 2 · n", "2 · " + n, number(2.0 * at.sides)},
    };
}

} // namespace

std::vector<LessonSection> lessonSections(std::int32_t step, std::int32_t runOutStep,
                                          const ProvenDigits& proven,
                                          std::string_view decimalSeparator) {
    const auto number = [decimalSeparator](double value) {
        return exactNumber(value, decimalSeparator);
    };
    const StepValues at = stepValues(step);
    const StepValues hexagons = stepValues(1);
    const StepValues archimedes = stepValues(archimedesStep);
    const std::string stepText = std::to_string(step);

    std::vector<LessonSection> sections;
    sections.push_back(
        {LAVORO1_TRANSLATABLE("calc", "L'esagono"),
         LAVORO1_TRANSLATABLE(
             "calc",
             "Nel cerchio di raggio 1 si disegna un esagono regolare inscritto: i suoi 6 lati "
             "sono lunghi 1, quanto il raggio, perché l'esagono è fatto di 6 triangoli "
             "equilateri. Un secondo esagono, circoscritto, ha i lati che toccano il cerchio. "
             "Il perimetro del primo è più corto della circonferenza, quello del secondo più "
             "lungo; la circonferenza misura 2π, quindi metà di ciascun perimetro è un limite "
             "per π: %1 < π < %2."),
         {number(hexagons.lowerBound), number(hexagons.upperBound)},
         {}});
    sections.push_back(
        {LAVORO1_TRANSLATABLE("calc", "Raddoppiare i lati"),
         LAVORO1_TRANSLATABLE(
             "calc",
             "A ogni passo si prende il punto del cerchio sopra il punto medio di ogni lato, e il "
             "lato diventa due corde: i lati raddoppiano e i poligoni si stringono sul cerchio. Il "
             "passo %1 usa i poligoni di %2 lati; il passo dopo userà quelli di %3 lati."),
         {stepText, drawnSidesText(step, decimalSeparator),
          drawnSidesText(step + 1, decimalSeparator)},
         {}});
    sections.push_back(
        {LAVORO1_TRANSLATABLE("calc", "Le formule del programma"),
         LAVORO1_TRANSLATABLE(
             "calc",
             "Dal lato s del poligono inscritto di n lati il programma esegue queste operazioni, "
             "ciascuna arrotondata in binary64: h è metà lato, a l'apotema (la distanza del "
             "lato dal centro), t il lato del poligono circoscritto, p e P i semiperimetri dei "
             "due poligoni, g la freccia (quanto il lato sta sotto il cerchio) e s′ il lato "
             "nuovo, per il teorema di Pitagora. Al passo %1:"),
         {stepText},
         recurrence(at, decimalSeparator)});
    // From where binary64 runs out the computed p exceeds pi: the text says
    // so rather than write an inequality the numbers beside it break.
    const bool pastPi = distanceFromPi(at.lowerBound) > 0.0;
    sections.push_back(
        {LAVORO1_TRANSLATABLE("calc", "Perché p < π < P"),
         pastPi ? LAVORO1_TRANSLATABLE(
                      "calc",
                      "Ogni lato inscritto è una corda, più corta dell'arco tra i suoi estremi. "
                      "Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna "
                      "più lunga dell'arco che copre. Sommando su tutti gli n lati, "
                      "n · s < 2π < n · t, e dividendo per 2, p < π < P a ogni passo. Al passo "
                      "%1 però il programma calcola p = %2 e P = %3: p supera π, e a sbagliare "
                      "sono gli arrotondamenti, non la geometria (%4 è la distanza calcolata).")
                : LAVORO1_TRANSLATABLE(
                      "calc",
                      "Ogni lato inscritto è una corda, più corta dell'arco tra i suoi estremi. "
                      "Ogni lato circoscritto è fatto di due metà tangenti al cerchio, ciascuna "
                      "più lunga dell'arco che copre. Sommando su tutti gli n lati, "
                      "n · s < 2π < n · t, e dividendo per 2, p < π < P a ogni passo. Al passo "
                      "%1: %2 < π < %3, distanti %4; al passo dopo la distanza sarà circa un "
                      "quarto."),
         {stepText, number(at.lowerBound), number(at.upperBound),
          number(at.upperBound - at.lowerBound)},
         {}});
    sections.push_back(
        {LAVORO1_TRANSLATABLE("calc", "Dove binary64 si esaurisce"),
         LAVORO1_TRANSLATABLE(
             "calc",
             "binary64, il formato dei numeri del programma, tiene circa 16 cifre significative "
             "e ogni operazione arrotonda l'ultima. La freccia g = 1 − a sottrae due numeri "
             "quasi uguali, e a ogni passo il loro scarto si riduce a un quarto: in g restano "
             "sempre meno cifre giuste, e il lato nuovo le eredita. Al passo %1 g vale %2 e "
             "p − π vale %3. Dal passo %4 gli errori superano la distanza tra p e π: il limite "
             "inferiore calcolato supera π e i risultati non sono più limiti."),
         {stepText, number(at.sagitta), number(distanceFromPi(at.lowerBound)),
          std::to_string(runOutStep)},
         {}});
    sections.push_back(
        {LAVORO1_TRANSLATABLE("calc", "Cifre dimostrate"),
         LAVORO1_TRANSLATABLE(
             "calc",
             "Una cifra di π è dimostrata quando il calcolo tiene conto di ogni arrotondamento: "
             "con l'aritmetica a intervalli ogni numero diventa un intervallo che di sicuro "
             "contiene il valore esatto, e le cifre su cui i due estremi concordano sono anche "
             "di π. Con i poligoni fino al passo %1 i raddoppi ne dimostrano %2. Huygens legge "
             "di più dagli stessi poligoni: 3p / (2 + a) sta sotto π e (2p + P) / 3 sopra, molto "
             "più vicini; ne dimostra %3. Richardson guarda come p si avvicina a π di passo in "
             "passo: la forma dei suoi errori è nota, termini in 1/n², 1/n⁴, …, e il metodo li "
             "toglie; ne dimostra %4. Il conteggio si ferma a %5 cifre."),
         {stepText, std::to_string(proven.doubling), std::to_string(proven.huygens),
          std::to_string(proven.richardson), std::to_string(proven.aimedAt)},
         {}});
    sections.push_back(
        {LAVORO1_TRANSLATABLE("calc", "Il risultato di Archimede"),
         LAVORO1_TRANSLATABLE(
             "calc",
             "Archimede arrivò ai poligoni di 96 lati, il passo %1, calcolando a mano le radici "
             "quadrate con frazioni e arrotondandole sempre dalla parte sicura: "
             "3 10/71 < π < 3 1/7, cioè 223/71 < π < 22/7, cioè %2 < π < %3. Il programma, con "
             "gli stessi poligoni: %4 < π < %5. I limiti di Archimede sono più larghi di %6 "
             "sotto e di %7 sopra."),
         {std::to_string(archimedesStep), number(archimedesLower), number(archimedesUpper),
          number(archimedes.lowerBound), number(archimedes.upperBound),
          number(archimedes.lowerBound - archimedesLower),
          number(archimedesUpper - archimedes.upperBound)},
         {}});
    return sections;
}

} // namespace calc
