Feature: x
  Scenario: y
    Given z
      """
      a
      """xml
      """
      ```
      """
      ```
      ```
