# The values derived from the distributor's settings follow them at every configure, unless the
# distributor sets them too: the project is configured in a scratch folder with the defaults, then
# with another web site alone, then with a host of its own, then with an application id of the
# distributor's own.
# Usage: cmake -DSOURCE=… -DSCRATCH=… -P distribution.cmake
file(REMOVE_RECURSE ${SCRATCH})

function(configurer)
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${SCRATCH} -G Ninja -DORBALIDE_TESTS=OFF
                          ${ARGN}
                  RESULT_VARIABLE resultat OUTPUT_QUIET)
  if(resultat)
    message(FATAL_ERROR "configuring with ${ARGN} failed")
  endif()
endfunction()

function(attendre fichier texte)
  file(READ ${SCRATCH}/${fichier} contenu)
  string(FIND "${contenu}" "${texte}" position)
  if(position EQUAL -1)
    message(FATAL_ERROR "${fichier} does not hold ${texte}")
  endif()
endfunction()

configurer()
attendre(core/generated/Distribution.hpp "\"org.example.orbalide\"")
attendre(core/generated/Distribution.hpp "\"https://www.example.org/orbalide/bandeau.png\"")
configurer(-DORBALIDE_SITE_URL=https://maps.example.com:8080)
attendre(core/generated/Distribution.hpp "\"com.example.maps.orbalide\"")
attendre(core/generated/Distribution.hpp "kHoteSiteWeb = \"maps.example.com\"")
attendre(core/generated/Distribution.hpp "\"https://maps.example.com:8080/orbalide/bandeau.png\"")
attendre(packaging/com.example.maps.orbalide.metainfo.xml
         "https://maps.example.com:8080/orbalide/fenetre-directe.png")
configurer(-DORBALIDE_SITE_HOST=www.carte.example.net)
attendre(core/generated/Distribution.hpp "\"net.example.carte.orbalide\"")
configurer(-DORBALIDE_APP_ID=net.example.carte)
attendre(core/generated/Distribution.hpp "\"net.example.carte\"")
file(REMOVE_RECURSE ${SCRATCH})
