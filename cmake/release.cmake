# The release this tree builds, read from docs/changelog (the release history, newest
# entry first) and checked against the project's version:
#   VESTARA_RELEASE_DATE   the newest entry's date, YYYY-MM-DD
#   VESTARA_MAINTAINER     its signer, "Name <address>"
file(STRINGS docs/changelog VESTARA_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT VESTARA_CHANGELOG_HEAD MATCHES "^${VESTARA_PACKAGE_NAME} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "docs/changelog must begin with the entry of version ${PROJECT_VERSION}")
endif()
file(STRINGS docs/changelog VESTARA_CHANGELOG_SIGNER REGEX "^ -- " LIMIT_COUNT 1)
if(NOT VESTARA_CHANGELOG_SIGNER MATCHES
   "^ -- (.+ <[^>]+>)  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "docs/changelog: the newest entry has no signature line")
endif()
set(VESTARA_MAINTAINER "${CMAKE_MATCH_1}")
set(vestara_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND vestara_months "${CMAKE_MATCH_3}" vestara_month)
if(vestara_month LESS 0)
  message(FATAL_ERROR "docs/changelog: the newest entry's date has no month")
endif()
math(EXPR vestara_month "${vestara_month} + 101")  # two digits after the 1
string(SUBSTRING ${vestara_month} 1 2 vestara_month)
set(VESTARA_RELEASE_DATE ${CMAKE_MATCH_4}-${vestara_month}-${CMAKE_MATCH_2})
