// archimede-immagini: archimede with --disegno or --grafico, drawn by
// Esplora's own code on Qt's offscreen platform.

#include "archimede/pictures.hpp"
#include "archimede/program.hpp"

int main(int argc, char** argv) {
    return archimede::runProgram(argc, argv, archimede::writePicturesOffscreen,
                                 archimede::abandonPictures);
}
