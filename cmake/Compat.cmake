# libstdc++ 12 offers <expected> only where __cpp_concepts announces C++20's conditionally
# trivial special member functions (P0848). Clang 16 to 18 implement them but still announce
# 201907L, so the fuzz build with clang would lose std::expected; announce what they support.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang"
   AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 16
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 19)
    add_compile_options(-U__cpp_concepts -D__cpp_concepts=202002L)
endif()
