# Writes the service worker of the site from its template: the list of every site file and a
# version made from their contents, so a changed site gets a cache of its own and no version
# number is kept by hand.
#   cmake -DTEMPLATE=page/sw.js -DSITE_DIR=<site> -DSITE_FILES="index.html|style.css|..."
#         -DOUTPUT=<site>/sw.js -P stamp-service-worker.cmake
# SITE_FILES are paths relative to SITE_DIR, separated by | (a ; would split the argument of a
# custom command); sw.js itself is not among them.
cmake_minimum_required(VERSION 3.21)

foreach(variable TEMPLATE SITE_DIR SITE_FILES OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "stamp-service-worker.cmake: ${variable} is not set")
  endif()
endforeach()

string(REPLACE "|" ";" SITE_FILES "${SITE_FILES}")
list(SORT SITE_FILES)
file(SHA256 ${TEMPLATE} digests)
set(quoted "")
foreach(name IN LISTS SITE_FILES)
  if(NOT EXISTS ${SITE_DIR}/${name})
    message(FATAL_ERROR "stamp-service-worker.cmake: ${SITE_DIR}/${name} is missing")
  endif()
  file(SHA256 ${SITE_DIR}/${name} digest)
  string(APPEND digests " ${name} ${digest}")
  list(APPEND quoted "'${name}'")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 version)
list(JOIN quoted ", " files)

file(READ ${TEMPLATE} text)
string(REPLACE "@SITE_VERSION@" "${version}" text "${text}")
string(REPLACE "@SITE_FILES@" "${files}" text "${text}")
# Rewritten only when it changes, so an unchanged site keeps its worker and its cache.
set(old "")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUTPUT} "${text}")
endif()
