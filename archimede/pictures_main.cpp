// archimede-immagini: archimede with --disegno or --grafico, drawn by
// Esplora's own code on Qt's offscreen platform.

#include "archimede/pictures.hpp"
#include "archimede/program.hpp"

#include <utility>

int main(int argc, char** argv) {
    archimede::ProgramRuns runs;
    runs.writePictures = archimede::writePicturesOffscreen;
    runs.abandonPictures = archimede::abandonPictures;
    runs.handedOver = true;
    return archimede::runProgram(argc, argv, std::move(runs));
}
