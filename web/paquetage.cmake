# Emscripten's packager names each build of the pictures' package with a random
# id (used only by a cache the page does not ask for): the package's digest
# names it instead, so that the same sources give the same program.
# Usage: cmake -DJS=lumor5.js -DDONNEES=lumor5.data -P paquetage.cmake
file(SHA256 ${DONNEES} empreinte)
file(READ ${JS} texte)
string(REGEX REPLACE "\"package_uuid\":\"[^\"]*\"" "\"package_uuid\":\"${empreinte}\"" texte "${texte}")
file(WRITE ${JS} "${texte}")
