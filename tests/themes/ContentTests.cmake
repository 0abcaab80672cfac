# The button styles and the shipped content (themes, button styles, mandatory pictures). Kept
# apart from the suite of the theme operations so that each can grow on its own.
dsutils_test(content_tests
    SOURCES
        themes/ButtonStyles_tests.cpp
        themes/ShippedContent_tests.cpp
    LIBRARIES test_support dsutils::dsutils dsutils::objectmodel dsutils::mediaengine)
# Where the shipped themes are written, rendered, for people to look at.
target_compile_definitions(content_tests PRIVATE
    DSUTILS_CONTENT_PREVIEWS="${CMAKE_BINARY_DIR}/content-previews")
