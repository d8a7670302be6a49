# Run at every build: writes the version header from the project's version (three numbers) and
# from git's view of the sources (commits so far, the commit, whether it has changes not
# committed), so that two builds can be told apart. The header is rewritten only when it changes,
# so a build without a new commit relinks nothing. Outside git the build number is 0 and the
# commit "unknown".
#
#   cmake -DSOURCE_DIR= -DGIT= -DVERSION= -DCOMPANY= -DTEMPLATE= -DOUTPUT= -P BuildNumber.cmake

string(REPLACE "." ";" parts "${VERSION}")
list(GET parts 0 major)
list(GET parts 1 minor)
list(GET parts 2 patch)
set(company "${COMPANY}")
set(build 0)
set(commit unknown)
string(TIMESTAMP year "%Y")

function(git_says variable)
    execute_process(COMMAND "${GIT}" --no-optional-locks -C "${SOURCE_DIR}" ${ARGN}
                    RESULT_VARIABLE failed OUTPUT_VARIABLE answer OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET)
    if(NOT failed)
        set(${variable} "${answer}" PARENT_SCOPE)
    endif()
endfunction()

if(GIT)
    git_says(build rev-list --count HEAD)
    git_says(commit rev-parse --short=10 HEAD)
    git_says(year log -1 --format=%cd --date=format:%Y)
    git_says(changes status --porcelain --untracked-files=no)
    if(changes)
        string(APPEND commit ".modified")
    endif()
endif()
# Each part of the fixed version is 16 bits wide.
if(build GREATER 65535)
    message(FATAL_ERROR "build number ${build} does not fit the version resource")
endif()

configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
