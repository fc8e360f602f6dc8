# Writes the browser folder's service worker from its model: the files the page
# needs, and a cache name made of their contents' digest, so that a change to
# any of them makes a new cache, and the same files the same name.
# Usage: cmake -DSITE=FOLDER -DMODELE=web/horsligne.js -P web/horsligne.cmake
set(empreintes "")
set(FICHIERS "'./'")
foreach(f index.html lumor5.js lumor5.wasm lumor5.webmanifest lumor5-192.png
          lumor5-512.png lumor5-masquable-512.png)
  file(SHA256 ${SITE}/${f} empreinte)
  string(APPEND empreintes "${empreinte} ${f}\n")
  string(APPEND FICHIERS ", '${f}'")
endforeach()
string(SHA256 VERSION "${empreintes}")
string(SUBSTRING ${VERSION} 0 16 VERSION)
configure_file(${MODELE} ${SITE}/horsligne.js @ONLY)
