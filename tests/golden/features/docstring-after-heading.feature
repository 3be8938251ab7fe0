Feature: f
  """
  a delimiter under a heading is description, as Cucumber reads it
  """
  Scenario: s
    ```
    so is one under a scenario, up to its first step
    * a step
      """
      the step's doc string
      """
  Scenario Outline: o
    * <x>
    Examples: e
      """
      and one in the description of Examples
      |x|
      |1|
