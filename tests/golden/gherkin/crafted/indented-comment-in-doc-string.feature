Feature: x
  Scenario: y
    Given z
      """
      # not a comment
      @not a tag
      """
  # a comment
  @a b
